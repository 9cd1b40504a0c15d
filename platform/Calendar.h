#pragma once

namespace tal::platform {

// The local date and time with the offset from UTC that applies at that moment.
struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    int hour = 0;   // 0-23
    int minute = 0;
    int second = 0;
    // Local time minus UTC, in minutes: +540 in Japan.
    int utcOffsetMinutes = 0;
};

class Calendar {
public:
    virtual ~Calendar() = default;

    // GetSystemTime, then SystemTimeToTzSpecificLocalTime of that same instant.
    virtual LocalDateTime localNow() = 0;
};

}  // namespace tal::platform
