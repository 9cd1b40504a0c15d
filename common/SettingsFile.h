#pragma once

#include <string>
#include <string_view>

#include "common/Settings.h"
#include "platform/ProfileFile.h"

namespace tal {
class PolicyStore;
}

namespace tal {

// The settings file of both programs: "TAL.ini" in the folder of the executable.
std::string SettingsFilePath(std::string_view applicationPath);

inline constexpr std::string_view settingsSection = "CONFIG";

// ReadSetting and WriteSetting on section CONFIG of one settings file.
class SettingsFile {
public:
    // With `policies`, a value that Group Policy sets for a key is read instead of the file's.
    SettingsFile(platform::ProfileFile& profile, std::string path,
                 const PolicyStore* policies = nullptr);

    // The whole value of `key`; `defaultValue` when the file, the section or the key is missing.
    // A key that is present with an empty value gives the empty text.
    std::string ReadSetting(std::string_view key, std::string_view defaultValue) const;
    // The value that the kiosk and the watchdog go by: its default is theirs.
    std::string ReadSetting(const Setting& setting) const {
        return ReadSetting(setting.key, setting.kioskDefault);
    }
    // Creates the file, the section or the key as needed. False when the write failed.
    bool WriteSetting(std::string_view key, std::string_view value) const;

    const std::string& path() const { return path_; }

private:
    platform::ProfileFile& profile_;
    std::string path_;
    const PolicyStore* policies_;
};

}  // namespace tal
