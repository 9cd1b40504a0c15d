// The advanced settings dialog opened from the settings dialog: over the disabled settings dialog,
// its error box, saving, closing without saving, and the operator PIN's dialog.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "settings_tool/ui/AdvancedControlIds.h"
#include "settings_tool/ui/ControlIds.h"
#include "settings_tool/ui/PinControlIds.h"
#include "tests/support/Deadline.h"
#include "tests/support/SettingsToolDriver.h"
#include "win32/Win32Cryptography.h"

namespace tal {
namespace {

namespace id = settings_dialog;
namespace advanced = settings_dialog::advanced;
using test_support::SettingsToolDriver;

const std::string advancedSettings =
    "[CONFIG]\r\nStartPage=http://old.example/\r\nIdleReset=60\r\nBrowserMode=legacy\r\n"
    "AllowedSites=a.example b.example\r\n";

// Clicks "詳細設定..." and waits for the advanced dialog.
HWND OpenAdvanced(SettingsToolDriver& tool) {
    tool.click(id::advancedButton);
    return tool.program().waitForWindow("詳細設定", test_support::programTimeout);
}

TEST(AdvancedDialogTest, OpensOverTheDisabledSettingsDialogWithTheStoredValues) {
    SettingsToolDriver tool(&advancedSettings);
    HWND dialog = OpenAdvanced(tool);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), tool.dialog());
    EXPECT_FALSE(::IsWindowEnabled(tool.dialog()));
    EXPECT_EQ(test_support::WindowText(::GetDlgItem(dialog, advanced::idleReset)), "60");
    EXPECT_TRUE(test_support::WaitFor(
        [&] { return tool.focus() == ::GetDlgItem(dialog, advanced::idleReset); },
        test_support::programTimeout));

    RECT box{};
    ::GetWindowRect(dialog, &box);
    test_support::PumpFor(std::chrono::milliseconds(300));
    test_support::SaveScreenshot("advanced-settings", box);

    test_support::Click(::GetDlgItem(dialog, advanced::recommendedButton));
    HWND said = tool.waitForMessageBox();
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(test_support::WindowText(said), "推奨設定");
    tool.pressOk(said);
    EXPECT_EQ(test_support::WindowText(::GetDlgItem(dialog, advanced::idleReset)), "180");
    EXPECT_TRUE(test_support::IsControlChecked(::GetDlgItem(dialog, advanced::keyLock)));
}

// What the refused number's box says and which keys saving writes are proven in
// AdvancedSettingsFormTest; here the box and the save reach the real dialog and file.
TEST(AdvancedDialogTest, ARefusedNumberKeepsTheFileAndSavingWritesTheFile) {
    SettingsToolDriver tool(&advancedSettings);
    HWND dialog = OpenAdvanced(tool);
    ASSERT_NE(dialog, nullptr);
    const auto item = [dialog](int control) { return ::GetDlgItem(dialog, control); };
    test_support::SetControlText(item(advanced::idleReset), "abc");
    test_support::Click(item(advanced::saveButton));

    HWND box = tool.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), dialog);
    EXPECT_EQ(test_support::WindowText(box), "エラー");
    ASSERT_TRUE(tool.pressOk(box));
    EXPECT_EQ(tool.program().settingsText(), advancedSettings);
    EXPECT_TRUE(::IsWindow(dialog));

    test_support::SetControlText(item(advanced::idleReset), "120");
    test_support::Click(item(advanced::saveButton));

    ASSERT_TRUE(
        test_support::WaitFor([&] { return !::IsWindow(dialog); }, test_support::programTimeout));
    EXPECT_TRUE(test_support::WaitFor([&] { return ::IsWindowEnabled(tool.dialog()) != FALSE; },
                                      test_support::programTimeout));
    EXPECT_EQ(tool.stored("IdleReset"), "120");
    EXPECT_EQ(tool.stored("StartPage"), "http://old.example/");
    EXPECT_FALSE(tool.program().hasExited(std::chrono::milliseconds(0)));
}

// Escape and the close box leave the file as it was and give the settings dialog back.
TEST(AdvancedDialogTest, EscapeAndTheCloseBoxCloseItWithoutSaving) {
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "close box");
        SettingsToolDriver tool(&advancedSettings);
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
        EXPECT_EQ(tool.program().settingsText(), advancedSettings);
    }
}

// Which entries the PIN dialog refuses and what is written when are proven in
// OperatorPinFormTest and AdvancedSettingsFormTest; here a PIN typed into the real dialog reaches
// the file only as a hash that the system's PBKDF2 accepts for that PIN and no other.
TEST(AdvancedDialogTest, APinSetInItsDialogIsSavedOnlyAsAHashThatTheSystemAccepts) {
    namespace pin_dialog = settings_dialog::operator_pin;
    SettingsToolDriver tool(&advancedSettings);
    HWND dialog = OpenAdvanced(tool);
    ASSERT_NE(dialog, nullptr);
    const auto item = [dialog](int control) { return ::GetDlgItem(dialog, control); };
    test_support::Click(item(advanced::operatorPinButton));
    HWND pinDialog = tool.program().waitForWindow("管理者 PIN", test_support::programTimeout);
    ASSERT_NE(pinDialog, nullptr);
    const std::string pin = "73915062";
    test_support::SetControlText(::GetDlgItem(pinDialog, pin_dialog::pin), pin);
    test_support::SetControlText(::GetDlgItem(pinDialog, pin_dialog::confirmation), pin);
    RECT box{};
    ::GetWindowRect(pinDialog, &box);
    test_support::PumpFor(std::chrono::milliseconds(300));
    test_support::SaveScreenshot("operator-pin", box);
    test_support::Click(::GetDlgItem(pinDialog, pin_dialog::okButton));
    ASSERT_TRUE(test_support::WaitFor([&] { return !::IsWindow(pinDialog); },
                                      test_support::programTimeout));
    EXPECT_EQ(test_support::WindowText(item(advanced::operatorPinStatus)), "設定済み");
    test_support::Click(item(advanced::saveButton));
    ASSERT_TRUE(
        test_support::WaitFor([&] { return !::IsWindow(dialog); }, test_support::programTimeout));

    const std::optional<std::string> stored = tool.stored("OperatorPin");
    ASSERT_TRUE(stored.has_value());
    const ParsedPinHash parsed = ParsePinHash(*stored);
    ASSERT_TRUE(parsed.hash.has_value()) << *stored;
    win32::Win32Cryptography crypto;
    EXPECT_EQ(CheckPin(pin, *parsed.hash, crypto), PinCheck::matches);
    EXPECT_EQ(CheckPin("73915063", *parsed.hash, crypto), PinCheck::differs);
    EXPECT_EQ(tool.program().settingsText().find(pin), std::string::npos) << "the PIN itself";
}

}  // namespace
}  // namespace tal
