#pragma once

#include <windows.h>

#include <string>

#include "settings_tool/ui/ControlLayout.h"
#include "win32/UniqueHandle.h"

namespace tal::settings_dialog {

// A dialog's controls as its design has them: created once in tab order, laid out for a DPI
// whenever the dialog's DPI is known or changes. The controls belong to the dialog window, the
// font to this.
class DialogControls {
public:
    explicit DialogControls(const DialogDesign& design) : design_(design) {}

    void create(HWND dialog, HINSTANCE instance);
    // Sizes the dialog's client area and places and sizes every control for `dpi`.
    void layOut(HWND dialog, UINT dpi);

private:
    DialogDesign design_;
    win32::UniqueFont font_;
};

// A control's text in the ANSI code page, as the settings file holds it.
std::string AnsiText(HWND control);

}  // namespace tal::settings_dialog
