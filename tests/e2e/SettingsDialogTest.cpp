// The settings dialog as a person sees it: frame, controls, loaded values, keyboard focus.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/support/Deadline.h"
#include "tests/support/SettingsToolDriver.h"
#include "win32/TextConversion.h"

namespace tal {
namespace {

namespace id = settings_dialog;
using test_support::SettingsToolDriver;

struct Expected {
    int id;
    const char* className;
    const char* caption;
    int left, top, width, height;  // twips
};

// Tab order, kinds, captions and geometry as designed.
const std::vector<Expected> expectedControls{
    {id::startPageLabel, "Static", "スタートページ", 120, 240, 1215, 255},
    {id::startPage, "Edit", nullptr, 1320, 170, 4575, 270},
    {id::shutdownTimeLabel, "Static", "電源切断時刻", 120, 600, 1215, 255},
    {id::shutdownHour, "ComboBox", nullptr, 1320, 530, 615, 300},
    {id::hourLabel, "Static", "時", 2040, 600, 255, 255},
    {id::shutdownMinute, "ComboBox", nullptr, 2280, 530, 615, 300},
    {id::minuteLabel, "Static", "分", 3000, 600, 255, 255},
    {id::returnButtonLabel, "Static", "戻るボタン", 360, 960, 855, 255},
    {id::returnButton, "Button", "表示する", 1320, 900, 1215, 255},
    {id::taskBarLabel, "Static", "タスクバー", 360, 1320, 855, 255},
    {id::taskBar, "Button", "表示しない", 1320, 1260, 1215, 255},
    {id::contextMenuLabel, "Static", "右クリック", 360, 1680, 855, 255},
    {id::contextMenu, "Button", "禁止", 1320, 1620, 735, 255},
    {id::toolBarLabel, "Static", "ツールバー", 300, 2040, 975, 255},
    {id::toolBar, "Button", "表示しない", 1320, 2000, 1215, 255},
    {id::closeButton, "Button", "閉じる", 120, 2400, 735, 375},
    {id::resetButton, "Button", "状態初期化", 960, 2400, 1215, 375},
    {id::advancedButton, "Button", "詳細設定...", 4680, 2400, 1215, 375},
};

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    const auto count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[16] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        items.push_back(win32::WideToUtf8(item));
    }
    return items;
}

std::vector<std::string> TwoDigits(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        items.push_back((i < 10 ? "0" : "") + std::to_string(i));
    }
    return items;
}

TEST(SettingsDialogTest, ShowsTheStoredSettingsInItsControls) {
    const std::string settings =
        "[config]\r\nstartpage=http://kiosk.example/start\r\nTimeToShutdown=07:30\r\n"
        "InitButton=ON\r\nTaskBar=Off\r\nContextMenu=on\r\nToolBar=no\r\n";
    SettingsToolDriver tool(&settings);
    EXPECT_EQ(tool.text(id::startPage), "http://kiosk.example/start");
    EXPECT_EQ(tool.text(id::shutdownHour), "07");
    EXPECT_EQ(tool.text(id::shutdownMinute), "30");
    EXPECT_TRUE(tool.isChecked(id::returnButton));
    EXPECT_TRUE(tool.isChecked(id::taskBar));
    EXPECT_FALSE(tool.isChecked(id::contextMenu));
    EXPECT_FALSE(tool.isChecked(id::toolBar));
    EXPECT_EQ(Items(tool.control(id::shutdownHour)), TwoDigits(24));
    EXPECT_EQ(Items(tool.control(id::shutdownMinute)), TwoDigits(60));

    test_support::PumpFor(std::chrono::milliseconds(300));
    test_support::SaveScreenshot("settings-dialog");
}

TEST(SettingsDialogTest, WithoutAFileShowsTheDefaultsAndItsCloseBoxWritesNothing) {
    SettingsToolDriver tool(nullptr);
    EXPECT_EQ(tool.text(id::startPage), "https://www.wikipedia.org/");
    EXPECT_EQ(tool.text(id::shutdownHour), "18");
    EXPECT_EQ(tool.text(id::shutdownMinute), "00");
    for (const int box : {id::returnButton, id::taskBar, id::contextMenu, id::toolBar}) {
        EXPECT_TRUE(tool.isChecked(box)) << box;
    }
    ::PostMessageW(tool.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(tool.waitForExit());
    EXPECT_EQ(tool.program().exitCode(), 0U);
    EXPECT_EQ(::GetFileAttributesA(tool.program().settingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SettingsDialogTest, IsAFixedDialogOffTheTaskbarWithTheDesignedLayout) {
    SettingsToolDriver tool(nullptr);
    HWND dialog = tool.dialog();
    const auto style = ::GetWindowLongPtrW(dialog, GWL_STYLE);
    const auto exStyle = ::GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
    EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), 0);
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "an ownerless window gets a taskbar button";
    EXPECT_FALSE(::IsWindowVisible(owner));

    const int dpi = static_cast<int>(::GetDpiForWindow(dialog));
    const auto pixels = [dpi](int twips) { return ::MulDiv(twips, dpi, 1440); };
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, pixels(6030));
    EXPECT_EQ(client.bottom, pixels(2940));

    std::vector<int> tabOrder;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        tabOrder.push_back(::GetDlgCtrlID(child));
    }
    std::vector<int> expectedOrder;
    for (const Expected& expected : expectedControls) {
        expectedOrder.push_back(expected.id);
    }
    EXPECT_EQ(tabOrder, expectedOrder);

    for (const Expected& expected : expectedControls) {
        SCOPED_TRACE(expected.id);
        HWND control = tool.control(expected.id);
        EXPECT_EQ(test_support::ClassName(control), expected.className);
        if (expected.caption != nullptr) {
            EXPECT_EQ(test_support::WindowText(control), expected.caption);
        }
        RECT box{};
        ::GetWindowRect(control, &box);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ(box.left, pixels(expected.left));
        EXPECT_EQ(box.top, pixels(expected.top));
        EXPECT_EQ(box.right, pixels(expected.left + expected.width));
        if (test_support::ClassName(control) == "ComboBox") {
            // A drop-down is never lower than its font needs; Wine's substitute font is a little
            // taller than the designed one.
            EXPECT_NEAR(box.bottom, pixels(expected.top + expected.height), 2);
        } else {
            EXPECT_EQ(box.bottom, pixels(expected.top + expected.height));
        }
        const auto controlStyle = ::GetWindowLongPtrW(control, GWL_STYLE);
        EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, test_support::ClassName(control) != "Static");
        if (test_support::ClassName(control) == "ComboBox") {
            EXPECT_EQ(controlStyle & 3, CBS_DROPDOWN);
        }
        if (test_support::ClassName(control) == "Button") {
            const bool pushButton = expected.id == id::closeButton ||
                                    expected.id == id::resetButton ||
                                    expected.id == id::advancedButton;
            EXPECT_EQ(controlStyle & BS_TYPEMASK, pushButton ? BS_PUSHBUTTON : BS_AUTOCHECKBOX);
        }
    }
}

TEST(SettingsDialogTest, OpensWithTheFocusOnTheStartPageAndTabMovesOn) {
    SettingsToolDriver tool(nullptr);
    ASSERT_TRUE(test_support::WaitFor([&] { return tool.focus() == tool.control(id::startPage); },
                                      test_support::programTimeout));
    ::PostMessageW(tool.focus(), WM_KEYDOWN, VK_TAB, 0);
    HWND hour = tool.control(id::shutdownHour);
    EXPECT_TRUE(test_support::WaitFor([&] { return ::GetParent(tool.focus()) == hour; },
                                      test_support::programTimeout))
        << "the focus goes into the hour box's edit field";
}

}  // namespace
}  // namespace tal
