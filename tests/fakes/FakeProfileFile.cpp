#include "tests/fakes/FakeProfileFile.h"

#include <algorithm>

namespace tal::fakes {

namespace {

FakeProfileFile::Section::iterator FindKey(FakeProfileFile::Section& section,
                                           const std::string& key) {
    return std::find_if(section.begin(), section.end(),
                        [&](const auto& entry) { return EqualIgnoringCase(entry.first, key); });
}

}  // namespace

void FakeProfileFile::set(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value) {
    Section& keys = files_[path][section];
    const auto found = FindKey(keys, key);
    if (found == keys.end()) {
        keys.emplace_back(key, value);
    } else {
        found->second = value;
    }
}

std::optional<std::string> FakeProfileFile::get(const std::string& path, const std::string& section,
                                                const std::string& key) const {
    const auto file = files_.find(path);
    if (file == files_.end()) {
        return std::nullopt;
    }
    const auto keys = file->second.find(section);
    if (keys == file->second.end()) {
        return std::nullopt;
    }
    for (const auto& [name, value] : keys->second) {
        if (EqualIgnoringCase(name, key)) {
            return value;
        }
    }
    return std::nullopt;
}

std::map<std::string, FakeProfileFile::Section, CaseInsensitiveLess> FakeProfileFile::contents(
    const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? File{} : file->second;
}

std::string FakeProfileFile::getPrivateProfileString(const std::string& section,
                                                     const std::string& key,
                                                     const std::string& defaultValue,
                                                     std::size_t bufferSize,
                                                     const std::string& path) {
    log_.add("GetPrivateProfileString " + section + " " + key);
    const std::optional<std::string> stored = failReads ? std::nullopt : get(path, section, key);
    const std::string& value = stored ? *stored : defaultValue;
    if (bufferSize == 0) {
        return {};
    }
    return value.substr(0, std::min(value.size(), bufferSize - 1));
}

bool FakeProfileFile::writePrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& value, const std::string& path) {
    log_.add("WritePrivateProfileString " + section + " " + key + "=" + value);
    ++writes_;
    if (failWrites || (failWritesFrom > 0 && writes_ >= failWritesFrom)) {
        return false;
    }
    set(path, section, key, value);
    return true;
}

}  // namespace tal::fakes
