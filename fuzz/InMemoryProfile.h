#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ProfileFile.h"

namespace tal::fuzz {

// A profile file parsed from text, read as the system reads one: sections and keys match without
// regard to letter case, the first of equal names wins, blanks around names and values are
// dropped, and a value that does not fit the buffer is cut to its size - 1 characters, one fewer
// when that would split a double-byte (code page 932) character.
class InMemoryProfile : public platform::ProfileFile {
public:
    explicit InMemoryProfile(std::string_view text);

    // The stored value, nothing when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The names of the keys of `section` in file order.
    std::vector<std::string> keys(std::string_view section) const;

    // Reads so far and the largest buffer that one of them was given.
    std::size_t reads = 0;
    std::size_t largestBuffer = 0;

    std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue, std::size_t bufferSize,
                                        const std::string& path) override;
    // Read-only: every write fails.
    bool writePrivateProfileString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) override;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Section* find(std::string_view section) const;

    std::vector<Section> sections_;
};

}  // namespace tal::fuzz
