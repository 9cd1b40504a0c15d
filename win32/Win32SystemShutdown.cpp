#include "win32/Win32SystemShutdown.h"

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

// The logic's copies of the advapi32 and user32 values that it passes through this port.
static_assert(platform::token_access::query == TOKEN_QUERY);
static_assert(platform::token_access::adjustPrivileges == TOKEN_ADJUST_PRIVILEGES);
static_assert(platform::privilegeEnabled == SE_PRIVILEGE_ENABLED);
static_assert(platform::exit_windows::shutdown == EWX_SHUTDOWN);
static_assert(platform::exit_windows::force == EWX_FORCE);
static_assert(platform::exit_windows::powerOff == EWX_POWEROFF);

namespace {

class Win32AccessToken : public platform::AccessToken {
public:
    explicit Win32AccessToken(UniqueHandle token) : token_(std::move(token)) {}
    HANDLE get() const { return token_.get(); }

private:
    UniqueHandle token_;
};

TOKEN_PRIVILEGES ToWin32(const platform::TokenPrivilege& privilege) {
    TOKEN_PRIVILEGES result{};
    result.PrivilegeCount = privilege.privilegeCount;
    result.Privileges[0].Luid.LowPart = privilege.luid.lowPart;
    result.Privileges[0].Luid.HighPart = privilege.luid.highPart;
    result.Privileges[0].Attributes = privilege.attributes;
    return result;
}

}  // namespace

std::unique_ptr<platform::AccessToken> Win32SystemShutdown::openProcessToken(
    std::uint32_t desiredAccess) {
    UniqueHandle token;
    const BOOL opened = ::OpenProcessToken(::GetCurrentProcess(), desiredAccess, token.put());
    lastError_ = ::GetLastError();
    if (opened == FALSE) {
        return nullptr;
    }
    return std::make_unique<Win32AccessToken>(std::move(token));
}

bool Win32SystemShutdown::lookupPrivilegeValue(const std::string& name, platform::Luid& luid) {
    LUID found{};
    const BOOL ok = ::LookupPrivilegeValueA("", name.c_str(), &found);
    lastError_ = ::GetLastError();
    luid = {found.LowPart, found.HighPart};
    return ok != FALSE;
}

bool Win32SystemShutdown::adjustTokenPrivileges(platform::AccessToken& token,
                                                bool disableAllPrivileges,
                                                const platform::TokenPrivilege& newState,
                                                platform::TokenPrivilege& previousState,
                                                std::uint32_t& returnLength) {
    TOKEN_PRIVILEGES next = ToWin32(newState);
    TOKEN_PRIVILEGES previous = ToWin32(previousState);
    DWORD length = returnLength;
    const BOOL ok = ::AdjustTokenPrivileges(static_cast<Win32AccessToken&>(token).get(),
                                            disableAllPrivileges ? TRUE : FALSE, &next,
                                            sizeof previous, &previous, &length);
    lastError_ = ::GetLastError();
    previousState = {previous.PrivilegeCount,
                     {previous.Privileges[0].Luid.LowPart, previous.Privileges[0].Luid.HighPart},
                     previous.Privileges[0].Attributes};
    returnLength = length;
    return ok != FALSE;
}

bool Win32SystemShutdown::exitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    const BOOL ok = ::ExitWindowsEx(flags, reason);
    lastError_ = ::GetLastError();
    return ok != FALSE;
}

}  // namespace tal::win32
