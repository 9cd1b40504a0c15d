#include "kiosk/PowerOff.h"

#include <string>

#include "common/Flags.h"

namespace tal::power_off {

namespace {

constexpr std::uint32_t anyReason = 0xFFFFFFFF;

bool ReportFailure(platform::SystemShutdown& system, platform::MessageBoxes& messageBoxes) {
    messageBoxes.show(std::to_string(system.lastError()), "TAL",
                      platform::message_box_style::okOnly);
    return false;
}

}  // namespace

bool IsNtFamily(platform::Process& process) {
    for (std::size_t index = 1;; ++index) {
        const std::string entry = process.environmentEntry(index);
        if (LowerCase(entry.substr(0, 3)) == "os=") {
            return true;
        }
        if (entry.empty()) {
            return false;
        }
    }
}

bool ShutdownSystem(std::uint32_t flags, platform::SystemShutdown& system,
                    platform::Process& process, platform::MessageBoxes& messageBoxes) {
    std::unique_ptr<platform::AccessToken> token;
    if (IsNtFamily(process)) {
        token = system.openProcessToken(platform::token_access::adjustPrivileges |
                                        platform::token_access::query);
        if (!token) {
            return ReportFailure(system, messageBoxes);
        }
        platform::TokenPrivilege enable{1, {}, platform::privilegeEnabled};
        if (!system.lookupPrivilegeValue("SeShutdownPrivilege", enable.luid)) {
            return ReportFailure(system, messageBoxes);
        }
        platform::TokenPrivilege previous{};
        std::uint32_t returnLength = 0;
        if (!system.adjustTokenPrivileges(*token, false, enable, previous, returnLength)) {
            return ReportFailure(system, messageBoxes);
        }
    }
    if (!system.exitWindowsEx(flags, anyReason)) {
        return ReportFailure(system, messageBoxes);
    }
    return true;
}

}  // namespace tal::power_off
