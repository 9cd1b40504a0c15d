#pragma once

#include <windows.h>

#include <functional>

#include "settings_tool/SettingsFormView.h"
#include "settings_tool/ui/DialogWindow.h"

namespace tal::settings_dialog {

// What the dialog's buttons run.
struct DialogHandlers {
    std::function<void()> closeClicked;
    std::function<void()> resetClicked;
    std::function<void()> advancedClicked;
};

// The settings dialog's window: the program's main window, created hidden with its controls.
// Construction throws a win32::Failure when the window cannot be created.
class SettingsDialog : public DialogWindow, public SettingsFormView {
public:
    explicit SettingsDialog(HINSTANCE instance);

    void setHandlers(const DialogHandlers& handlers);

    std::optional<std::string> text(TextControl control) override;
    void setText(TextControl control, const std::string& text) override;
    bool isChecked(CheckControl control) override;
    void setChecked(CheckControl control, bool checked) override;
    void setFocus(TextControl control) override;
    void disable(TextControl control) override;
    void disable(CheckControl control) override;
    void showManagedByPolicy() override;
    void close() override { endDialog(); }
};

}  // namespace tal::settings_dialog
