// LeadingNumber over any text: the C library's reading of the same number, never NaN, blind to
// leading blanks and to what follows the number, and the value that NumericValue accepts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/NumberText.h"
#include "fuzz/Require.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod reads the same numbers and more: hexadecimal, "inf" and "nan". True when `text` starts
// with a number that both read alike.
bool StrtodReadsAlike(std::string_view text) {
    std::size_t at = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (at == text.size() || !(IsDigit(text[at]) || text[at] == '.')) {
        return false;
    }
    const bool hexadecimal =
        text[at] == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X');
    return !hexadecimal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = tal::LeadingNumber(text);
    TAL_REQUIRE(!std::isnan(value));
    TAL_REQUIRE(tal::LeadingNumber(text + "x") == value);
    TAL_REQUIRE(tal::LeadingNumber(" \t" + text) == value);
    if (text.find_first_of("0123456789") == std::string::npos) {
        TAL_REQUIRE(value == 0.0);
    }

    const std::string unblanked = text.substr(std::min(text.find_first_not_of(" \t"), size));
    if (!unblanked.empty() && (IsDigit(unblanked[0]) || unblanked[0] == '.')) {
        TAL_REQUIRE(tal::LeadingNumber("-" + unblanked) == -value);
    }
    if (StrtodReadsAlike(unblanked)) {
        TAL_REQUIRE(std::strtod(unblanked.c_str(), nullptr) == value);
    }
    if (const auto numeric = tal::NumericValue(text)) {
        TAL_REQUIRE(*numeric == value);
    }
    return 0;
}
