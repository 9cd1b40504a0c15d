#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tal::platform {

// OpenProcessToken access rights.
namespace token_access {
inline constexpr std::uint32_t query = 0x8;
inline constexpr std::uint32_t adjustPrivileges = 0x20;
}  // namespace token_access

// The attribute of a privilege that AdjustTokenPrivileges turns on.
inline constexpr std::uint32_t privilegeEnabled = 0x2;

// ExitWindowsEx flags.
namespace exit_windows {
inline constexpr std::uint32_t shutdown = 0x1;
inline constexpr std::uint32_t force = 0x4;
inline constexpr std::uint32_t powerOff = 0x8;
}  // namespace exit_windows

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
    friend bool operator==(const Luid&, const Luid&) = default;
};

// TOKEN_PRIVILEGES with a single entry.
struct TokenPrivilege {
    std::uint32_t privilegeCount = 0;
    Luid luid;
    std::uint32_t attributes = 0;
    friend bool operator==(const TokenPrivilege&, const TokenPrivilege&) = default;
};

// An open access token; destroying it closes the handle.
class AccessToken {
public:
    virtual ~AccessToken() = default;
};

// The token and shutdown calls of advapi32 and user32. Every call leaves its error code for
// lastError(), as GetLastError would give it right after the call.
class SystemShutdown {
public:
    virtual ~SystemShutdown() = default;

    // OpenProcessToken(GetCurrentProcess(), desiredAccess): null on failure.
    virtual std::unique_ptr<AccessToken> openProcessToken(std::uint32_t desiredAccess) = 0;
    // LookupPrivilegeValueA on the local computer.
    virtual bool lookupPrivilegeValue(const std::string& name, Luid& luid) = 0;
    virtual bool adjustTokenPrivileges(AccessToken& token, bool disableAllPrivileges,
                                       const TokenPrivilege& newState,
                                       TokenPrivilege& previousState,
                                       std::uint32_t& returnLength) = 0;
    virtual bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
    virtual std::uint32_t lastError() = 0;
};

}  // namespace tal::platform
