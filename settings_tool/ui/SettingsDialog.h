#pragma once

#include <windows.h>

#include <functional>

#include "settings_tool/SettingsFormView.h"
#include "settings_tool/ui/DialogControls.h"
#include "win32/Window.h"

namespace tal::settings_dialog {

// What the dialog's buttons run.
struct DialogHandlers {
    std::function<void()> closeClicked;
    std::function<void()> resetClicked;
    std::function<void()> advancedClicked;
};

// The settings dialog's window: a fixed-size captioned window without a taskbar button, owned by
// a hidden window of its own, created hidden with its controls. Construction throws a
// win32::Failure when the window cannot be created.
class SettingsDialog : public win32::Window<SettingsDialog>, public SettingsFormView {
public:
    explicit SettingsDialog(HINSTANCE instance);
    ~SettingsDialog() override;
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    void setHandlers(DialogHandlers handlers) { handlers_ = std::move(handlers); }
    // Shows the dialog with the keyboard focus on its first control that can take it.
    void show();
    // Runs until the dialog is gone; Tab and Shift+Tab move through the controls. Returns the
    // program's exit code.
    int runMessageLoop();

    std::string text(TextControl control) override;
    void setText(TextControl control, const std::string& text) override;
    bool isChecked(CheckControl control) override;
    void setChecked(CheckControl control, bool checked) override;
    void setFocus(TextControl control) override;
    void disable(TextControl control) override;
    void disable(CheckControl control) override;
    void showManagedByPolicy() override;
    void close() override;

    // `window` is given because messages arrive before CreateWindowEx has returned it.
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void onCommand(int id, int notification);
    void onActivate(HWND window, bool active);
    HWND control(int id) const { return ::GetDlgItem(handle(), id); }

    DialogControls controls_;
    DialogHandlers handlers_;
    // Where the focus goes back to when the dialog is activated again.
    HWND lastFocus_ = nullptr;
};

}  // namespace tal::settings_dialog
