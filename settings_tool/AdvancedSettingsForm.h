#pragma once

#include <optional>
#include <string>

#include "settings_tool/AdvancedSettingsView.h"
#include "settings_tool/SettingsForm.h"

namespace tal {

// The advanced settings dialog's behaviour: the keys of the reset, the browser's limits and the
// watchdog, loaded, checked before the first write, and saved alone.
class AdvancedSettingsForm {
public:
    AdvancedSettingsForm(SettingsFormPorts ports, AdvancedSettingsView& view);

    // Fills the controls; a control whose key Group Policy sets shows that value, locked.
    void load();
    // Checks every entry; when all are valid, writes this dialog's keys and closes it.
    void saveAndClose();
    // Fills in what a public terminal wants, except where Group Policy decides, and says so;
    // nothing is written until the operator saves.
    void fillRecommended();

private:
    // The control's text; nothing, after telling the operator, when the settings file cannot
    // hold it.
    std::optional<std::string> entry(AdvancedText control, const Setting& setting);
    void showError(const std::string& text);
    bool isManaged(const Setting& setting) const;

    SettingsFormPorts ports_;
    AdvancedSettingsView& view_;
    std::string settingsPath_;
    std::vector<std::string_view> managed_;
};

}  // namespace tal
