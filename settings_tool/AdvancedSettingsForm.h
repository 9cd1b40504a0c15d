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

    // Whether OperatorPin holds a value now, one that the operator PIN dialog may remove.
    bool hasPin() const { return !pinValue_.empty(); }
    // Takes what the operator PIN dialog decided (OperatorPinForm::newValue), to be written with
    // the dialog's other keys; nothing keeps the stored value.
    void changePin(const std::optional<std::string>& value);

private:
    // The control's text; nothing, after telling the operator, when the settings file cannot
    // hold it.
    std::optional<std::string> entry(AdvancedText control, const Setting& setting);
    void showError(const std::string& text);
    bool isManaged(const Setting& setting) const;
    void showPinStatus();

    SettingsFormPorts ports_;
    AdvancedSettingsView& view_;
    std::string settingsPath_;
    std::vector<std::string_view> managed_;
    // OperatorPin's hash as loaded or as the PIN dialog changed it; written only when changed.
    std::string pinValue_;
    bool pinChanged_ = false;
};

}  // namespace tal
