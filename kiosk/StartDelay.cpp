#include "kiosk/StartDelay.h"

#include <cmath>
#include <limits>

namespace tal {

std::int32_t StartDelayMilliseconds(double seconds) {
    const double milliseconds = seconds * 1000.0;
    constexpr double longest = std::numeric_limits<std::int32_t>::max();
    if (!(milliseconds > 0.0)) {
        return 0;
    }
    if (milliseconds >= longest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    const double whole = std::floor(milliseconds);
    const double fraction = milliseconds - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0);
    return static_cast<std::int32_t>(up ? whole + 1.0 : whole);
}

}  // namespace tal
