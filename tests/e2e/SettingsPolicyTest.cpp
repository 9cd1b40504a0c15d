// Values that Group Policy sets in the real registry: shown locked in the settings dialog and never
// written by it. Which controls lock and which keys are written is proven in
// SettingsFormPolicyTest.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/support/SettingsToolDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal {
namespace {

namespace id = settings_dialog;
using test_support::SettingsToolDriver;

const std::string userPolicyKey = "SOFTWARE\\Policies\\TAL";
const std::string policyStartPage = "http://policy.example/";

// The user's policy for the start page and for the taskbar (0: not shown), removed again with the
// test.
class UserPolicies {
public:
    UserPolicies() {
        std::vector<std::uint8_t> text(policyStartPage.begin(), policyStartPage.end());
        text.push_back(0);
        test_support::WriteUserValue(userPolicyKey, "StartPage", REG_SZ, text);
        test_support::WriteUserValue(userPolicyKey, "TaskBar", REG_DWORD, {0, 0, 0, 0});
    }
    ~UserPolicies() {
        test_support::DeleteUserValue(userPolicyKey, "StartPage");
        test_support::DeleteUserValue(userPolicyKey, "TaskBar");
    }
    UserPolicies(const UserPolicies&) = delete;
    UserPolicies& operator=(const UserPolicies&) = delete;
};

TEST(SettingsPolicyTest, ShowsManagedValuesLockedAndClosingWritesOnlyTheOthers) {
    const std::string settings = "[CONFIG]\r\nToolBar=on\r\n";
    const UserPolicies policies;
    SettingsToolDriver tool(&settings, "ヴァルノルト設定ツール (ポリシーで管理)");

    EXPECT_EQ(tool.text(id::startPage), policyStartPage);
    EXPECT_FALSE(::IsWindowEnabled(tool.control(id::startPage)));
    EXPECT_TRUE(tool.isChecked(id::taskBar)) << "the policy's 0 hides the taskbar";
    EXPECT_FALSE(::IsWindowEnabled(tool.control(id::taskBar)));

    tool.click(id::closeButton);
    ASSERT_TRUE(tool.waitForExit());
    EXPECT_EQ(tool.program().exitCode(), 0U);
    EXPECT_EQ(tool.stored("StartPage"), std::nullopt);
    EXPECT_EQ(tool.stored("TaskBar"), std::nullopt);
    EXPECT_EQ(tool.stored("ToolBar"), "on");
}

}  // namespace
}  // namespace tal
