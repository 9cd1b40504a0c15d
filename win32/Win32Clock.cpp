#include "win32/Win32Clock.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <mmsystem.h>

namespace tal::win32 {

std::uint32_t Win32Clock::tickCount() {
    return ::timeGetTime();
}

platform::TimeOfDay Win32Clock::localTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

}  // namespace tal::win32
