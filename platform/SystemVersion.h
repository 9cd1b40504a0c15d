#pragma once

#include <cstdint>

namespace tal::platform {

// Windows 7 is 6.1.
struct WindowsVersion {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    friend bool operator==(const WindowsVersion&, const WindowsVersion&) = default;
};

// The version of Windows the program runs on.
class SystemVersion {
public:
    virtual ~SystemVersion() = default;

    // RtlGetVersion: the system's own numbers, whatever the program's manifest declares.
    virtual WindowsVersion windowsVersion() = 0;
};

}  // namespace tal::platform
