#include "common/Flags.h"

namespace tal {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool FlagIs(std::string_view value, std::string_view word) {
    return LowerCase(value) == word;
}

}  // namespace tal
