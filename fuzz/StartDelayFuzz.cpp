// The start-up wait over any double and over any stored WaitToStart text: within 0 and the
// longest 32-bit wait, the nearest whole millisecond (an even one on a tie), never shorter for a
// longer wait.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

#include "common/NumberText.h"
#include "fuzz/Require.h"
#include "kiosk/StartDelay.h"

namespace {

constexpr std::int32_t longest = std::numeric_limits<std::int32_t>::max();

void CheckDelay(double seconds) {
    const std::int32_t delay = tal::StartDelayMilliseconds(seconds);
    TAL_REQUIRE(delay >= 0);
    const double milliseconds = seconds * 1000.0;
    if (!(milliseconds > 0.0)) {
        TAL_REQUIRE(delay == 0);
    } else if (milliseconds >= longest) {
        TAL_REQUIRE(delay == longest);
    } else {
        const double off = static_cast<double>(delay) - milliseconds;
        TAL_REQUIRE(std::abs(off) <= 0.5);
        if (std::abs(off) == 0.5) {
            TAL_REQUIRE(delay % 2 == 0);
        }
    }
    if (!std::isnan(seconds)) {
        const double longer = std::nextafter(seconds, std::numeric_limits<double>::infinity());
        TAL_REQUIRE(tal::StartDelayMilliseconds(longer) >= delay);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckDelay(tal::LeadingNumber(std::string_view(reinterpret_cast<const char*>(data), size)));
    double raw = 0;
    if (size >= sizeof raw) {
        std::memcpy(&raw, data, sizeof raw);
        CheckDelay(raw);
    }
    return 0;
}
