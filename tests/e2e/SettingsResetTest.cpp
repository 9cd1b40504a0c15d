// "状態初期化" after the kiosk's lockdown: the taskbar shown again, both registry values gone.
#include <string>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/support/Deadline.h"
#include "tests/support/SettingsToolDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal {
namespace {

namespace id = settings_dialog;
using test_support::SettingsToolDriver;

using test_support::policyKey;
using test_support::toolbarKey;

bool ValueExists(const std::string& key, const char* value) {
    return test_support::ReadUserValue(key, value).has_value();
}

class SettingsResetTest : public testing::Test {
protected:
    HWND taskBar = nullptr;
    bool taskBarWasVisible = false;

    void TearDown() override {
        if (taskBar != nullptr) {
            ::ShowWindow(taskBar, taskBarWasVisible ? SW_SHOWNORMAL : SW_HIDE);
        }
    }
};

TEST_F(SettingsResetTest, ShowsTheTaskbarDeletesBothValuesAndKeepsTheFile) {
    const std::string settings = "[CONFIG]\r\nTaskBar=off\r\n";
    SettingsToolDriver tool(&settings);
    // The taskbar belongs to the desktop process, which is running once a program has a window.
    ASSERT_TRUE(test_support::WaitFor(
        [&] { return (taskBar = ::FindWindowA("Shell_TrayWnd", "")) != nullptr; },
        test_support::programTimeout));
    taskBarWasVisible = ::IsWindowVisible(taskBar) != FALSE;

    // What the kiosk's lockdown leaves behind.
    ::ShowWindow(taskBar, SW_HIDE);
    ASSERT_TRUE(test_support::WaitFor([&] { return !::IsWindowVisible(taskBar); },
                                      test_support::programTimeout));
    test_support::WriteUserValue(policyKey, "NoBrowserContextMenu", REG_DWORD, {1, 0, 0, 0});
    test_support::WriteUserValue(toolbarKey, "ITBarLayout", REG_BINARY,
                                 std::vector<std::uint8_t>(564, 0));

    tool.click(id::resetButton);
    EXPECT_TRUE(test_support::WaitFor([&] { return ::IsWindowVisible(taskBar) != FALSE; },
                                      test_support::programTimeout));
    EXPECT_TRUE(test_support::WaitFor(
        [&] {
            return !ValueExists(policyKey, "NoBrowserContextMenu") &&
                   !ValueExists(toolbarKey, "ITBarLayout");
        },
        test_support::programTimeout));
    EXPECT_FALSE(tool.program().hasExited(std::chrono::milliseconds(0)));
    EXPECT_EQ(tool.program().settingsText(), settings);
}

}  // namespace
}  // namespace tal
