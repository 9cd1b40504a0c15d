#include "common/SettingsFile.h"

#include <algorithm>

#include "common/PolicyStore.h"
#include "common/Settings.h"

namespace tal {

std::string SettingsFilePath(std::string_view applicationPath) {
    std::string path(applicationPath);
    if (!path.ends_with('\\')) {
        path += '\\';
    }
    path += "TAL.ini";
    return path;
}

SettingsFile::SettingsFile(platform::ProfileFile& profile, std::string path,
                           const PolicyStore* policies)
    : profile_(profile), path_(std::move(path)), policies_(policies) {}

std::string SettingsFile::ReadSetting(std::string_view key, std::string_view defaultValue) const {
    if (policies_ != nullptr) {
        const auto setting = std::find_if(settings::all.begin(), settings::all.end(),
                                          [key](const Setting& s) { return s.key == key; });
        if (setting != settings::all.end()) {
            if (std::optional<std::string> managed = policies_->value(*setting)) {
                return *std::move(managed);
            }
        }
    }
    return profile_.getPrivateProfileString(std::string(settingsSection), std::string(key),
                                            std::string(defaultValue), path_);
}

bool SettingsFile::WriteSetting(std::string_view key, std::string_view value) const {
    return profile_.writePrivateProfileString(std::string(settingsSection), std::string(key),
                                              std::string(value), path_);
}

}  // namespace tal
