// Group Policy over TAL.ini for a running kiosk: the policy's values are the ones in effect.
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/CleanDesktop.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

const std::string policies = "SOFTWARE\\Policies\\TAL";

TEST(KioskPolicyTest, StartPageAndTaskBarFromPolicyWinOverTheFile) {
    const test_support::CleanDesktop desktop;
    HWND taskBar = desktop.taskBar();
    const std::string page = "about:policy";
    std::vector<std::uint8_t> text(page.begin(), page.end());
    text.push_back(0);
    test_support::WriteUserValue(policies, "StartPage", REG_SZ, text);
    test_support::WriteUserValue(policies, "TaskBar", REG_DWORD, {0, 0, 0, 0});

    const std::string settings = "[CONFIG]\r\nStartPage=about:file\r\nTaskBar=on\r\n";
    {
        test_support::KioskDriver kiosk(&settings);
        ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
        EXPECT_TRUE(test_support::WaitFor([&] { return !::IsWindowVisible(taskBar); }, 5s))
            << "TaskBar=0 by policy hides the taskbar";
        EXPECT_TRUE(test_support::WaitFor(
            [&] { return kiosk.log().find(" StartPage=about:policy ") != std::string::npos; }, 5s))
            << kiosk.log();
        EXPECT_NE(kiosk.log().find(" TaskBar=off "), std::string::npos) << kiosk.log();
        EXPECT_TRUE(kiosk.close());
        EXPECT_EQ(kiosk.program().settingsText(), settings) << "the file is left as it was";
    }
    test_support::DeleteUserValue(policies, "StartPage");
    test_support::DeleteUserValue(policies, "TaskBar");
}

}  // namespace
}  // namespace tal
