// The advanced settings dialog opened from the settings dialog: what it shows, the error box that
// keeps the file, what saving writes, and closing without saving.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_tool/ui/AdvancedControlIds.h"
#include "settings_tool/ui/ControlIds.h"
#include "tests/support/Deadline.h"
#include "tests/support/SettingsToolDriver.h"
#include "win32/TextConversion.h"

namespace tal {
namespace {

namespace id = settings_dialog;
namespace advanced = settings_dialog::advanced;
using test_support::SettingsToolDriver;

const std::string storedSettings =
    "[CONFIG]\r\nStartPage=http://old.example/\r\nIdleReset=60\r\nBrowserMode=legacy\r\n"
    "AllowedSites=a.example b.example\r\n";

// Clicks "詳細設定..." and waits for the advanced dialog.
HWND OpenAdvanced(SettingsToolDriver& tool) {
    tool.click(id::advancedButton);
    return tool.program().waitForWindow("詳細設定", test_support::programTimeout);
}

std::string Selected(HWND list) {
    const auto selected = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    wchar_t item[32] = {};
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                   reinterpret_cast<LPARAM>(item));
    return win32::WideToUtf8(item);
}

// Every key of the settings file's section with its value.
std::map<std::string, std::string> StoredKeys(SettingsToolDriver& tool) {
    std::vector<char> section(8192);
    const DWORD length =
        ::GetPrivateProfileSectionA("CONFIG", section.data(), static_cast<DWORD>(section.size()),
                                    tool.program().settingsPath().c_str());
    std::map<std::string, std::string> keys;
    for (std::size_t start = 0; start < length;) {
        const std::string line(section.data() + start);
        const auto equals = line.find('=');
        keys[line.substr(0, equals)] = line.substr(equals + 1);
        start += line.size() + 1;
    }
    return keys;
}

TEST(AdvancedDialogTest, OpensOverTheDisabledSettingsDialogWithTheStoredValues) {
    SettingsToolDriver tool(&storedSettings);
    HWND dialog = OpenAdvanced(tool);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), tool.dialog());
    EXPECT_FALSE(::IsWindowEnabled(tool.dialog()));
    EXPECT_EQ(test_support::WindowText(::GetDlgItem(dialog, advanced::idleReset)), "60");
    EXPECT_EQ(test_support::WindowText(::GetDlgItem(dialog, advanced::allowedSites)),
              "a.example\r\nb.example");
    EXPECT_EQ(Selected(::GetDlgItem(dialog, advanced::browserMode)), "legacy");
    EXPECT_EQ(Selected(::GetDlgItem(dialog, advanced::newWindows)), "same");
    EXPECT_TRUE(test_support::WaitFor(
        [&] { return tool.focus() == ::GetDlgItem(dialog, advanced::idleReset); },
        test_support::programTimeout));

    RECT box{};
    ::GetWindowRect(dialog, &box);
    test_support::PumpFor(std::chrono::milliseconds(300));
    test_support::SaveScreenshot("advanced-settings", box);
}

TEST(AdvancedDialogTest, ARefusedNumberKeepsTheFileAndSavingWritesOnlyItsKeys) {
    SettingsToolDriver tool(&storedSettings);
    HWND dialog = OpenAdvanced(tool);
    ASSERT_NE(dialog, nullptr);
    const auto item = [dialog](int control) { return ::GetDlgItem(dialog, control); };
    test_support::SetControlText(item(advanced::idleReset), "abc");
    test_support::Click(item(advanced::saveButton));

    HWND box = tool.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), dialog);
    EXPECT_EQ(test_support::WindowText(box), "エラー");
    EXPECT_EQ(test_support::MessageBoxText(box),
              "無操作リセット(秒)は 0 から 86400 までの数値で入力してください。");
    tool.pressOk(box);
    EXPECT_EQ(tool.program().settingsText(), storedSettings);
    EXPECT_TRUE(::IsWindow(dialog));

    test_support::SetControlText(item(advanced::idleReset), "120");
    test_support::SetControlText(item(advanced::idleWarning), "15");
    test_support::SetControlText(item(advanced::hangSeconds), "45");
    test_support::SetControlText(item(advanced::allowedSites), "x.example\r\ny.example\r\n");
    ::SendMessageW(item(advanced::newWindows), CB_SETCURSEL, 1, 0);
    test_support::Click(item(advanced::printing));
    test_support::Click(item(advanced::saveButton));

    ASSERT_TRUE(
        test_support::WaitFor([&] { return !::IsWindow(dialog); }, test_support::programTimeout));
    EXPECT_TRUE(test_support::WaitFor([&] { return ::IsWindowEnabled(tool.dialog()) != FALSE; },
                                      test_support::programTimeout));
    const std::map<std::string, std::string> expected{
        {"StartPage", "http://old.example/"},
        {"IdleReset", "120"},
        {"IdleWarning", "15"},
        {"HangSeconds", "45"},
        {"BrowserMode", "legacy"},
        {"NewWindows", "block"},
        {"AllowedSites", "x.example y.example"},
        {"ClearSession", "off"},
        {"Printing", "on"},
        {"KeyLock", "off"},
        {"TaskManager", "on"},
    };
    EXPECT_EQ(StoredKeys(tool), expected);
    EXPECT_FALSE(tool.program().hasExited(std::chrono::milliseconds(0)));
}

// Escape and the close box leave the file as it was and give the settings dialog back.
TEST(AdvancedDialogTest, EscapeAndTheCloseBoxCloseItWithoutSaving) {
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "close box");
        SettingsToolDriver tool(&storedSettings);
        HWND dialog = OpenAdvanced(tool);
        ASSERT_NE(dialog, nullptr);
        HWND idleReset = ::GetDlgItem(dialog, advanced::idleReset);
        test_support::SetControlText(idleReset, "5");
        if (escape) {
            ASSERT_TRUE(test_support::WaitFor([&] { return tool.focus() == idleReset; },
                                              test_support::programTimeout));
            ::PostMessageW(idleReset, WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(test_support::WaitFor([&] { return !::IsWindow(dialog); },
                                          test_support::programTimeout));
        EXPECT_TRUE(test_support::WaitFor([&] { return ::IsWindowEnabled(tool.dialog()) != FALSE; },
                                          test_support::programTimeout));
        EXPECT_EQ(tool.program().settingsText(), storedSettings);
    }
}

}  // namespace
}  // namespace tal
