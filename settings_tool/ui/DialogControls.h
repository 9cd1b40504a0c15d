#pragma once

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace tal::settings_dialog {

// The dialog's seventeen controls: created once in tab order, laid out for a DPI whenever the
// dialog's DPI is known or changes. The controls belong to the dialog window, the font to this.
class DialogControls {
public:
    void create(HWND dialog, HINSTANCE instance);
    // Sizes the dialog's client area and places and sizes every control for `dpi`.
    void layOut(HWND dialog, UINT dpi);

private:
    win32::UniqueFont font_;
};

}  // namespace tal::settings_dialog
