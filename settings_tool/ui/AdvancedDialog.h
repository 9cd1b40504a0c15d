#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "settings_tool/AdvancedSettingsView.h"
#include "settings_tool/ui/DialogWindow.h"

namespace tal::settings_dialog {

// The advanced settings dialog: owned by the settings dialog and modal to it, created hidden with
// its controls. Construction throws a win32::Failure when the window cannot be created.
class AdvancedDialog : public DialogWindow, public AdvancedSettingsView {
public:
    AdvancedDialog(HINSTANCE instance, HWND owner);

    // What "保存" runs.
    void setSaveHandler(std::function<void()> handler);
    // What "推奨設定" runs.
    void setRecommendedHandler(std::function<void()> handler);
    // What "管理者 PIN..." runs.
    void setOperatorPinHandler(std::function<void()> handler);

    std::optional<std::string> text(AdvancedText control) override;
    void setText(AdvancedText control, const std::string& text) override;
    bool isChecked(AdvancedCheck control) override;
    void setChecked(AdvancedCheck control, bool checked) override;
    void setChoices(AdvancedChoice control, const std::vector<std::string>& names,
                    std::size_t selected) override;
    std::size_t choice(AdvancedChoice control) override;
    void setFocus(AdvancedText control) override;
    void disable(AdvancedText control) override;
    void disable(AdvancedCheck control) override;
    void disable(AdvancedChoice control) override;
    void disable(AdvancedButton control) override;
    void showPinStatus(const std::string& text) override;
    void close() override { endDialog(); }
};

}  // namespace tal::settings_dialog
