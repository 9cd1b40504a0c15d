// The shutdown adapter's privilege steps against the real token calls. ExitWindowsEx itself is
// never called in a test: under Wine it ends the whole session.
#include <windows.h>

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "win32/UniqueHandle.h"
#include "win32/Win32SystemShutdown.h"

namespace tal {
namespace {

// Switches the shutdown privilege on or off behind the adapter's back; whether it is on.
class ShutdownPrivilege {
public:
    ShutdownPrivilege() {
        ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                           token_.put());
        ::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid_);
    }

    void set(bool enabled) {
        TOKEN_PRIVILEGES state{1, {{luid_, enabled ? DWORD{SE_PRIVILEGE_ENABLED} : 0}}};
        ::AdjustTokenPrivileges(token_.get(), FALSE, &state, 0, nullptr, nullptr);
    }

    bool enabled() const {
        DWORD size = 0;
        ::GetTokenInformation(token_.get(), TokenPrivileges, nullptr, 0, &size);
        std::vector<BYTE> buffer(size);
        if (!::GetTokenInformation(token_.get(), TokenPrivileges, buffer.data(), size, &size)) {
            return false;
        }
        const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
        const LUID_AND_ATTRIBUTES* entry = privileges->Privileges;
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i, ++entry) {
            if (entry->Luid.LowPart == luid_.LowPart && entry->Luid.HighPart == luid_.HighPart) {
                return (entry->Attributes & SE_PRIVILEGE_ENABLED) != 0;
            }
        }
        return false;
    }

private:
    win32::UniqueHandle token_;
    LUID luid_{};
};

TEST(SystemShutdownTest, ThePrivilegeStepsSwitchTheShutdownPrivilegeOn) {
    ShutdownPrivilege privilege;
    privilege.set(false);
    ASSERT_FALSE(privilege.enabled());
    EXPECT_EQ(win32::EnableShutdownPrivilege(), std::nullopt);
    EXPECT_TRUE(privilege.enabled());
}

}  // namespace
}  // namespace tal
