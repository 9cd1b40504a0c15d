#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "settings_tool/AdvancedSettingsView.h"
#include "settings_tool/ui/DialogControls.h"
#include "win32/Window.h"

namespace tal::settings_dialog {

// The advanced settings dialog: a fixed-size captioned window owned by the settings dialog and
// modal to it, created hidden with its controls. Construction throws a win32::Failure when the
// window cannot be created.
class AdvancedDialog : public win32::Window<AdvancedDialog>, public AdvancedSettingsView {
public:
    AdvancedDialog(HINSTANCE instance, HWND owner);
    ~AdvancedDialog() override;
    AdvancedDialog(const AdvancedDialog&) = delete;
    AdvancedDialog& operator=(const AdvancedDialog&) = delete;

    // What "保存" runs.
    void setSaveHandler(std::function<void()> handler) { save_ = std::move(handler); }
    // Shows the dialog centred over its owner and runs until it closes, the owner disabled
    // meanwhile. A WM_QUIT that arrives ends it and is left for the program's own loop.
    void runModal();

    std::string text(AdvancedText control) override;
    void setText(AdvancedText control, const std::string& text) override;
    bool isChecked(AdvancedCheck control) override;
    void setChecked(AdvancedCheck control, bool checked) override;
    std::string choice(AdvancedChoice control) override;
    void setChoice(AdvancedChoice control, const std::string& word) override;
    void setFocus(AdvancedText control) override;
    void disable(AdvancedText control) override;
    void disable(AdvancedCheck control) override;
    void disable(AdvancedChoice control) override;
    void close() override { closed_ = true; }

    // `window` is given because messages arrive before CreateWindowEx has returned it.
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void centreOverOwner();
    void onActivate(HWND window, bool active);
    HWND control(int id) const { return ::GetDlgItem(handle(), id); }

    HWND owner_;
    DialogControls controls_;
    std::function<void()> save_;
    bool closed_ = false;
    // Where the focus goes back to when the dialog is activated again.
    HWND lastFocus_ = nullptr;
};

}  // namespace tal::settings_dialog
