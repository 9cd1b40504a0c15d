#pragma once

#include <windows.h>

#include <functional>

#include "settings_tool/OperatorPinView.h"
#include "settings_tool/ui/DialogWindow.h"

namespace tal::settings_dialog {

// The operator PIN dialog: owned by the advanced settings dialog and modal to it, created hidden
// with its controls. Construction throws a win32::Failure when the window cannot be created.
class PinDialog : public DialogWindow, public OperatorPinView {
public:
    PinDialog(HINSTANCE instance, HWND owner);

    // What "OK" (and Enter) runs, and what "PIN を削除" runs.
    void setHandlers(std::function<void()> confirm, std::function<void()> remove);

    std::optional<std::string> text(PinEntry entry) override;
    void clearEntries() override;
    void setFocus(PinEntry entry) override;
    void disableRemoval() override;
    void close() override { endDialog(); }
};

}  // namespace tal::settings_dialog
