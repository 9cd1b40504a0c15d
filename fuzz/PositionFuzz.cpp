// The window positions: PositionValue over any text is a finite single-precision number (that of
// NumericValue where that accepts the text), and PositionValue(PositionText(x)) gives back any
// finite x within the seven significant digits that the text keeps.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "common/NumberText.h"
#include "fuzz/Require.h"

namespace {

void CheckRoundTrip(float twips) {
    if (!std::isfinite(twips)) {
        return;
    }
    const std::string text = tal::PositionText(twips);
    TAL_REQUIRE(!text.empty());
    TAL_REQUIRE(text.find_first_not_of("-+.0123456789E") == std::string::npos);
    const std::string_view mantissa = std::string_view(text).substr(0, text.find('E'));
    std::string significant(mantissa);
    std::erase_if(significant, [](char c) { return c == '-' || c == '.'; });
    significant.erase(0, std::min(significant.find_first_not_of('0'), significant.size()));
    TAL_REQUIRE(significant.size() <= 7);

    const float back = tal::PositionValue(text);
    const double error = std::abs(static_cast<double>(back) - static_cast<double>(twips));
    TAL_REQUIRE(error <= std::abs(static_cast<double>(twips)) * 1e-6 +
                             std::numeric_limits<float>::denorm_min());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const float value = tal::PositionValue(text);
    TAL_REQUIRE(std::isfinite(value));
    if (text.find_first_of("0123456789") == std::string_view::npos) {
        TAL_REQUIRE(value == 0.0F);
    }
    if (const auto numeric = tal::NumericValue(text)) {
        constexpr double largest = std::numeric_limits<float>::max();
        TAL_REQUIRE(value == static_cast<float>(std::clamp(*numeric, -largest, largest)));
    }
    CheckRoundTrip(value);

    float raw = 0;
    if (size >= sizeof raw) {
        std::memcpy(&raw, data, sizeof raw);
        CheckRoundTrip(raw);
    }
    return 0;
}
