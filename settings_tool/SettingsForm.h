#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "platform/AnsiText.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/SystemVersion.h"
#include "settings_tool/SettingsFormView.h"

namespace tal {

// The ports that the settings dialog reaches the system through.
struct SettingsFormPorts {
    platform::ProfileFile& profile;
    platform::Registry& registry;
    platform::Desktop& desktop;
    platform::Process& process;
    platform::MessageBoxes& messageBoxes;
    platform::AnsiText& ansiText;
    platform::SystemVersion& system;
};

// The settings dialog's behaviour: loading the settings into the controls, checking and saving
// them, and undoing the kiosk's desktop lockdown.
class SettingsForm {
public:
    SettingsForm(SettingsFormPorts ports, SettingsFormView& view);

    // Fills the controls from the settings file, with the settings tool's own defaults.
    void load();
    // Checks the entries; when they are valid, saves them and closes the dialog.
    void saveAndClose();
    // Shows the taskbar (with the Start button where that is a window of its own) and removes the
    // browser policy and toolbar values of the lockdown.
    void resetDesktopState();

private:
    SettingsFile settingsFile() const { return SettingsFile(ports_.profile, settingsPath_); }
    // The control's text; nothing, after telling the operator, when the settings file cannot
    // hold it.
    std::optional<std::string> entry(TextControl control, const Setting& setting);
    void showError(const std::string& text);
    bool isManaged(const Setting& setting) const;

    SettingsFormPorts ports_;
    SettingsFormView& view_;
    // Computed once at load; every read and write of the dialog uses it.
    std::string settingsPath_;
    // The keys whose values Group Policy sets, found at load: never written.
    std::vector<std::string_view> managed_;
};

}  // namespace tal
