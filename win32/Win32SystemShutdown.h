#pragma once

#include "platform/SystemShutdown.h"

namespace tal::win32 {

class Win32SystemShutdown : public platform::SystemShutdown {
public:
    std::unique_ptr<platform::AccessToken> openProcessToken(std::uint32_t desiredAccess) override;
    bool lookupPrivilegeValue(const std::string& name, platform::Luid& luid) override;
    bool adjustTokenPrivileges(platform::AccessToken& token, bool disableAllPrivileges,
                               const platform::TokenPrivilege& newState,
                               platform::TokenPrivilege& previousState,
                               std::uint32_t& returnLength) override;
    bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    // Read right after each call, before anything else can change it.
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::win32
