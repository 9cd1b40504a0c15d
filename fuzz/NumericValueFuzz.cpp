// NumericValue over any text and FormatTwoDigits over the numbers it accepts and over any finite
// double: an accepted text is blanks around one plain decimal number, and its value is
// LeadingNumber's; the formatted text is an optional "-" and at least two digits that read back as
// the rounded number.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/NumberText.h"
#include "fuzz/Require.h"

namespace {

void CheckTwoDigits(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const double rounded = std::round(value);
    const std::string text = tal::FormatTwoDigits(value);
    const bool negative = text.starts_with('-');
    const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
    TAL_REQUIRE(negative == (rounded < 0));
    TAL_REQUIRE(digits.size() >= 2);
    TAL_REQUIRE(digits.find_first_not_of("0123456789") == std::string_view::npos);
    // Zeros only pad to two digits.
    TAL_REQUIRE(digits.size() == 2 || digits[0] != '0');
    TAL_REQUIRE(std::strtod(text.c_str(), nullptr) == rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = tal::NumericValue(text)) {
        TAL_REQUIRE(*value == tal::LeadingNumber(text));
        TAL_REQUIRE(text.find_first_not_of(" \t+-.0123456789") == std::string_view::npos);
        TAL_REQUIRE(std::count(text.begin(), text.end(), '.') <= 1);
        TAL_REQUIRE(std::count(text.begin(), text.end(), '+') +
                        std::count(text.begin(), text.end(), '-') <=
                    1);
        CheckTwoDigits(*value);
    }
    double raw = 0;
    if (size >= sizeof raw) {
        std::memcpy(&raw, data, sizeof raw);
        CheckTwoDigits(raw);
    }
    return 0;
}
