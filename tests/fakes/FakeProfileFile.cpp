#include "tests/fakes/FakeProfileFile.h"

#include <algorithm>

namespace tal::fakes {

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool SameName(std::string_view stored, std::string_view asked) {
    return EqualIgnoringCase(Trim(stored), Trim(asked));
}

// A stored value as a read hands it out.
std::string ReadValue(std::string_view stored) {
    std::string_view value = Trim(stored);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

template <typename Sections>
auto FindSection(Sections& sections, std::string_view name) {
    return std::find_if(sections.begin(), sections.end(),
                        [&](const auto& section) { return SameName(section.name, name); });
}

template <typename Entries>
auto FindKey(Entries& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const auto& entry) { return SameName(entry.first, key); });
}

}  // namespace

void FakeProfileFile::load(const std::string& path, std::string_view text) {
    File& file = files_[path];
    file.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = Trim(line);
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                file.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        if (file.empty() || equals == std::string_view::npos || key.empty()) {
            continue;
        }
        file.back().entries.emplace_back(key, line.substr(equals + 1));
    }
}

void FakeProfileFile::set(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value) {
    File& file = files_[path];
    auto found = FindSection(file, section);
    if (found == file.end()) {
        file.push_back({section, {}});
        found = file.end() - 1;
    }
    const auto entry = FindKey(found->entries, key);
    if (entry == found->entries.end()) {
        found->entries.emplace_back(key, value);
    } else {
        entry->second = value;
    }
}

const FakeProfileFile::Section* FakeProfileFile::find(const std::string& path,
                                                      const std::string& section) const {
    const auto file = files_.find(path);
    if (file == files_.end()) {
        return nullptr;
    }
    const auto found = FindSection(file->second, section);
    return found == file->second.end() ? nullptr : &*found;
}

std::optional<std::string> FakeProfileFile::get(const std::string& path, const std::string& section,
                                                const std::string& key) const {
    const Section* found = find(path, section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto entry = FindKey(found->entries, key);
    if (entry == found->entries.end()) {
        return std::nullopt;
    }
    return entry->second;
}

std::vector<FakeProfileFile::Entry> FakeProfileFile::entries(const std::string& path,
                                                             const std::string& section) const {
    const Section* found = find(path, section);
    return found == nullptr ? std::vector<Entry>{} : found->entries;
}

FakeProfileFile::File FakeProfileFile::contents(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? File{} : file->second;
}

std::string FakeProfileFile::getPrivateProfileString(const std::string& section,
                                                     const std::string& key,
                                                     const std::string& defaultValue,
                                                     const std::string& path) {
    log_.add("GetPrivateProfileString " + section + " " + key);
    const std::optional<std::string> stored = get(path, section, key);
    return stored ? ReadValue(*stored) : defaultValue;
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
