#pragma once

#include <cstdint>

namespace tal::platform {

struct TimeOfDay {
    int hour = 0;  // 0-23
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;

    // timeGetTime: milliseconds since the system started; wraps after 2^32.
    virtual std::uint32_t tickCount() = 0;
    virtual TimeOfDay localTime() = 0;
};

}  // namespace tal::platform
