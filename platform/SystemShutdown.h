#pragma once

#include <cstdint>
#include <optional>

namespace tal::platform {

// ExitWindowsEx flags.
namespace exit_windows {
inline constexpr std::uint32_t shutdown = 0x1;
inline constexpr std::uint32_t force = 0x4;
inline constexpr std::uint32_t powerOff = 0x8;
}  // namespace exit_windows

// Ending the session and switching the computer off.
class SystemShutdown {
public:
    virtual ~SystemShutdown() = default;

    // ExitWindowsEx(flags) for any reason; with `enablePrivilege`, first the shutdown privilege of
    // the process's token is switched on (OpenProcessToken, LookupPrivilegeValueA of
    // "SeShutdownPrivilege", AdjustTokenPrivileges). The first call that fails ends the sequence:
    // its error code, as GetLastError gives it right after the call; nothing when every call
    // succeeded.
    virtual std::optional<std::uint32_t> powerOff(std::uint32_t flags, bool enablePrivilege) = 0;
};

}  // namespace tal::platform
