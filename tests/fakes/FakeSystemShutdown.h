#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/SystemShutdown.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// Records every call; each step can be told to fail with an error code. Never shuts anything down.
class FakeSystemShutdown : public platform::SystemShutdown {
public:
    explicit FakeSystemShutdown(CallLog& log) : log_(log) {}

    // Operation name ("OpenProcessToken", "LookupPrivilegeValue", "AdjustTokenPrivileges",
    // "ExitWindowsEx") -> the error code it fails with.
    std::map<std::string, std::uint32_t> failures;
    platform::Luid shutdownPrivilege{0x13, 0};
    platform::TokenPrivilege lastNewState;
    int openTokens = 0;

    std::unique_ptr<platform::AccessToken> openProcessToken(std::uint32_t desiredAccess) override;
    bool lookupPrivilegeValue(const std::string& name, platform::Luid& luid) override;
    bool adjustTokenPrivileges(platform::AccessToken& token, bool disableAllPrivileges,
                               const platform::TokenPrivilege& newState,
                               platform::TokenPrivilege& previousState,
                               std::uint32_t& returnLength) override;
    bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    class Token;
    bool step(const std::string& operation);

    CallLog& log_;
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::fakes
