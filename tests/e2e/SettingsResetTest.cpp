// "状態初期化" after the kiosk's lockdown: the taskbar shown again, both registry values gone.
#include <string>

#include <gtest/gtest.h>

#include "settings_tool/win32/ControlIds.h"
#include "tests/e2e/SettingsToolDriver.h"
#include "tests/support/Deadline.h"

namespace tal {
namespace {

namespace id = settings_dialog;
using test_support::SettingsToolDriver;

const char policyKey[] = "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const char toolbarKey[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";

bool ValueExists(const char* key, const char* value) {
    return ::RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void WriteValue(const char* key, const char* value, DWORD type, const std::string& data) {
    HKEY opened = nullptr;
    ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, key, &opened), ERROR_SUCCESS);
    ::RegSetValueExA(opened, value, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    ::RegCloseKey(opened);
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
    WriteValue(policyKey, "NoBrowserContextMenu", REG_DWORD, std::string("\x01\0\0\0", 4));
    WriteValue(toolbarKey, "ITBarLayout", REG_BINARY, std::string(564, '\0'));

    tool.click(id::cmdStatusInit);
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
