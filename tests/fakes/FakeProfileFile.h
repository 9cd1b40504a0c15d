#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ProfileFile.h"
#include "tests/fakes/CallLog.h"
#include "tests/fakes/CaseInsensitive.h"

namespace tal::fakes {

// Profile files in memory, read as the system reads them: section and key names match without
// regard to letter case, the first of equal names wins, and blanks around names and values are
// dropped and then one pair of quotes around a value. A write replaces the value of the first key
// of that name or appends the key, and the section when it is missing.
class FakeProfileFile : public platform::ProfileFile {
public:
    explicit FakeProfileFile(CallLog& log) : log_(log) {}

    using Entry = std::pair<std::string, std::string>;
    struct Section {
        std::string name;
        // Keys in file order with their values.
        std::vector<Entry> entries;
        friend bool operator==(const Section&, const Section&) = default;
    };
    // Sections in file order.
    using File = std::vector<Section>;

    // Replaces the file at `path` with the text of one: "[section]" and "key=value" lines.
    void load(const std::string& path, std::string_view text);
    // Stores as a successful write does.
    void set(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);
    // The value as the file holds it; nothing for a missing file, section or key.
    std::optional<std::string> get(const std::string& path, const std::string& section,
                                   const std::string& key) const;
    // The keys of the section that reads see, in file order.
    std::vector<Entry> entries(const std::string& path, const std::string& section) const;
    bool exists(const std::string& path) const { return files_.contains(path); }
    // The whole file, for "nothing else changed" checks.
    File contents(const std::string& path) const;

    bool failWrites = false;
    // Writes fail from the n-th one on (counted from 1); 0 lets every write succeed.
    int failWritesFrom = 0;

    std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue,
                                        const std::string& path) override;
    bool writePrivateProfileString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) override;

private:
    const Section* find(const std::string& path, const std::string& section) const;

    CallLog& log_;
    std::map<std::string, File, CaseInsensitiveLess> files_;
    int writes_ = 0;
};

}  // namespace tal::fakes
