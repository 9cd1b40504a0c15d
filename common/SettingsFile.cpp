#include "common/SettingsFile.h"

#include <algorithm>
#include <cstddef>

#include "common/PolicyStore.h"
#include "common/Settings.h"

namespace tal {

namespace {

// The buffer a read starts with; most values fit.
constexpr std::size_t initialBufferSize = 100;
// A value cannot be longer than its file; past this the read stops growing its buffer.
constexpr std::size_t maximumBufferSize = std::size_t{1} << 26;

}  // namespace

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
    const std::string section(settingsSection);
    const std::string keyText(key);
    const std::string defaultText(defaultValue);
    // A value that did not fit comes back cut to size - 1 characters, or to size - 2 when the
    // last one was half of a double-byte character; then the read is repeated in a larger buffer.
    for (std::size_t size = initialBufferSize;; size *= 2) {
        std::string value =
            profile_.getPrivateProfileString(section, keyText, defaultText, size, path_);
        if (value.size() + 2 < size || size >= maximumBufferSize) {
            return value;
        }
    }
}

bool SettingsFile::WriteSetting(std::string_view key, std::string_view value) const {
    return profile_.writePrivateProfileString(std::string(settingsSection), std::string(key),
                                              std::string(value), path_);
}

}  // namespace tal
