#include "win32/Win32SystemShutdown.h"

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

// The logic's copies of the user32 values that it passes through this port.
static_assert(platform::exit_windows::shutdown == EWX_SHUTDOWN);
static_assert(platform::exit_windows::force == EWX_FORCE);
static_assert(platform::exit_windows::powerOff == EWX_POWEROFF);

namespace {

constexpr DWORD anyReason = 0xFFFFFFFF;

}  // namespace

std::optional<std::uint32_t> EnableShutdownPrivilege() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            token.put())) {
        return ::GetLastError();
    }
    TOKEN_PRIVILEGES enable{};
    enable.PrivilegeCount = 1;
    enable.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueA("", "SeShutdownPrivilege", &enable.Privileges[0].Luid)) {
        return ::GetLastError();
    }
    TOKEN_PRIVILEGES previous{};
    DWORD returnLength = 0;
    // Judged by the result alone: a privilege that the account does not hold shows up as the
    // failure of the next step.
    if (!::AdjustTokenPrivileges(token.get(), FALSE, &enable, sizeof previous, &previous,
                                 &returnLength)) {
        return ::GetLastError();
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Win32SystemShutdown::powerOff(std::uint32_t flags,
                                                           bool enablePrivilege) {
    if (enablePrivilege) {
        if (const std::optional<std::uint32_t> error = EnableShutdownPrivilege()) {
            return error;
        }
    }
    if (!::ExitWindowsEx(flags, anyReason)) {
        return ::GetLastError();
    }
    return std::nullopt;
}

}  // namespace tal::win32
