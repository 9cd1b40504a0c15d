#include "win32/Win32Calendar.h"

#include <windows.h>

#include <cstdint>

namespace tal::win32 {

namespace {

std::int64_t Minutes(const SYSTEMTIME& time) {
    FILETIME file{};
    ::SystemTimeToFileTime(&time, &file);
    const std::uint64_t ticks = (std::uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 600'000'000);
}

}  // namespace

platform::LocalDateTime Win32Calendar::localNow() {
    // One instant converted, so that the offset is the one in force then, daylight saving included.
    SYSTEMTIME utc{};
    ::GetSystemTime(&utc);
    SYSTEMTIME local{};
    if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        local = utc;
    }
    return {local.wYear,
            local.wMonth,
            local.wDay,
            local.wHour,
            local.wMinute,
            local.wSecond,
            static_cast<int>(Minutes(local) - Minutes(utc))};
}

}  // namespace tal::win32
