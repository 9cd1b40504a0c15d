// Saving through "閉じる": what reaches the file, and the error boxes that keep it unchanged.
#include <string>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/support/Deadline.h"
#include "tests/support/SettingsToolDriver.h"

namespace tal {
namespace {

namespace id = settings_dialog;
using test_support::SettingsToolDriver;

const std::string storedSettings =
    "[CONFIG]\r\nStartPage=http://old.example/\r\nTimeToShutdown=06:15\r\nInitButton=on\r\n"
    "TaskBar=off\r\nContextMenu=off\r\nToolBar=off\r\nWaitToStart=2\r\n";

TEST(SettingsSaveTest, StoresTheEntriesAndCloses) {
    SettingsToolDriver tool(&storedSettings);
    tool.setText(id::startPage, "http://new.example/");
    tool.setText(id::shutdownHour, "7");
    tool.setText(id::shutdownMinute, "5");
    tool.click(id::returnButton);
    tool.click(id::contextMenu);
    tool.click(id::closeButton);

    ASSERT_TRUE(tool.waitForExit());
    EXPECT_EQ(tool.program().exitCode(), 0U);
    EXPECT_EQ(tool.stored("StartPage"), "http://new.example/");
    EXPECT_EQ(tool.stored("TimeToShutdown"), "07:05");
    EXPECT_EQ(tool.stored("InitButton"), "off");
    EXPECT_EQ(tool.stored("TaskBar"), "off");
    EXPECT_EQ(tool.stored("ContextMenu"), "on");
    EXPECT_EQ(tool.stored("ToolBar"), "off");
    EXPECT_EQ(tool.stored("WaitToStart"), "2");
}

struct RefusedCase {
    const char* startPage;
    const char* hour;
    const char* message;
    int focus;
};

class RefusedEntryTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedEntryTest, ShowsAnErrorBoxFocusesTheControlAndLeavesTheFile) {
    SettingsToolDriver tool(&storedSettings);
    tool.setText(id::startPage, GetParam().startPage);
    tool.setText(id::shutdownHour, GetParam().hour);
    tool.click(id::closeButton);

    HWND box = tool.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test_support::WindowText(box), "エラー");
    EXPECT_EQ(test_support::MessageBoxText(box), GetParam().message);
    EXPECT_FALSE(test_support::MessageBoxHasIcon(box));
    EXPECT_EQ(test_support::MessageBoxButtonCount(box), 1);
    ASSERT_TRUE(tool.pressOk(box));

    HWND expected = tool.control(GetParam().focus);
    HWND focus = nullptr;
    EXPECT_TRUE(test_support::WaitFor(
        [&] {
            tool.clickIfInactive();
            focus = tool.focus();
            return focus == expected || ::GetParent(focus) == expected;
        },
        test_support::programTimeout))
        << "the focus is on " << test_support::ClassName(focus) << " " << ::GetDlgCtrlID(focus)
        << " in " << test_support::ClassName(::GetParent(focus));
    EXPECT_FALSE(tool.program().hasExited(std::chrono::milliseconds(0)));
    EXPECT_EQ(tool.program().settingsText(), storedSettings);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedEntryTest,
    testing::Values(RefusedCase{"", "24", "スタートページのURLを入力してください。", id::startPage},
                    RefusedCase{"http://new.example/", "24", "電源終了時刻が間違っています。",
                                id::shutdownHour}));

// The suites run as root under Wine, where a read-only attribute does not stop a write; a file
// that another program holds open without sharing does, there as on Windows.
TEST(SettingsSaveTest, AFileThatCannotBeWrittenIsReportedWithItsPath) {
    SettingsToolDriver tool(&storedSettings);
    const std::string path = tool.program().settingsPath();
    HANDLE opened = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    win32::UniqueHandle lock(opened);
    tool.setText(id::startPage, "http://new.example/");
    tool.click(id::closeButton);

    HWND box = tool.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test_support::WindowText(box), "エラー");
    EXPECT_EQ(test_support::MessageBoxText(box), "設定を保存できませんでした。\n" + path);
    ASSERT_TRUE(tool.pressOk(box));
    EXPECT_FALSE(tool.program().hasExited(std::chrono::milliseconds(500)));
    EXPECT_EQ(tool.text(id::startPage), "http://new.example/");
    lock.reset();
    EXPECT_EQ(tool.program().settingsText(), storedSettings);
}

}  // namespace
}  // namespace tal
