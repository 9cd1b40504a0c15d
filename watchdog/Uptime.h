#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace tal::watchdog {

// Milliseconds since the first reading, in 64 bits: the system's 32-bit tick count wraps after
// 49.7 days, and the watchdog runs for months. Needs a reading at least once in that span, which
// the watchdog's checks every few seconds give.
class Uptime {
public:
    explicit Uptime(platform::Clock& clock) : clock_(clock), last_(clock.tickCount()) {}

    std::uint64_t now() {
        const std::uint32_t tick = clock_.tickCount();
        // Unsigned difference: right across the wrap.
        elapsed_ += static_cast<std::uint32_t>(tick - last_);
        last_ = tick;
        return elapsed_;
    }

private:
    platform::Clock& clock_;
    std::uint32_t last_;
    std::uint64_t elapsed_ = 0;
};

}  // namespace tal::watchdog
