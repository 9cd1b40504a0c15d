#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ProfileFile.h"
#include "tests/fakes/CallLog.h"
#include "tests/fakes/CaseInsensitive.h"

namespace tal::fakes {

// Profile files in memory, with the system's rules: section and key names match without regard
// to letter case, a write replaces a value in place or appends the key (and the section).
class FakeProfileFile : public platform::ProfileFile {
public:
    explicit FakeProfileFile(CallLog& log) : log_(log) {}

    // Keys in file order with their values.
    using Section = std::vector<std::pair<std::string, std::string>>;

    void set(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);
    std::optional<std::string> get(const std::string& path, const std::string& section,
                                   const std::string& key) const;
    bool exists(const std::string& path) const { return files_.contains(path); }
    // The whole file: its sections with their keys, for "nothing else changed" checks.
    std::map<std::string, Section, CaseInsensitiveLess> contents(const std::string& path) const;

    // While set, reads behave as for a missing file and writes fail.
    bool failReads = false;
    bool failWrites = false;
    // Writes fail from the n-th one on (counted from 1); 0 lets every write succeed.
    int failWritesFrom = 0;

    std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue, std::size_t bufferSize,
                                        const std::string& path) override;
    bool writePrivateProfileString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) override;

private:
    using File = std::map<std::string, Section, CaseInsensitiveLess>;

    CallLog& log_;
    std::map<std::string, File, CaseInsensitiveLess> files_;
    int writes_ = 0;
};

}  // namespace tal::fakes
