// The operator's way into a locked-down kiosk under its watchdog: the hotkey opens the menu, and
// after the PIN "キオスクを終了" ends the kiosk and the watchdog.
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/ui/OperatorMenuWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/Screen.h"
#include "tests/support/WatchdogDriver.h"
#include "win32/UniqueHandle.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

// PIN 1234, made with another PBKDF2 implementation (salt 00 01 .. 0f, 100,000 iterations).
constexpr char pin1234[] =
    "pbkdf2-sha256$100000$000102030405060708090a0b0c0d0e0f$"
    "869e6c8350c5beb0acc399fbaac3b60d220433896b26a647734d0d8f1586e1fa";

void Press(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ASSERT_EQ(::SendInput(1, &input, sizeof input), 1U);
}

void Type(const std::string& keys) {
    for (const char key : keys) {
        Press(static_cast<WORD>(key), true);
        Press(static_cast<WORD>(key), false);
    }
}

// PIN 123456789012, made the same way.
constexpr char pin12Digits[] =
    "pbkdf2-sha256$100000$000102030405060708090a0b0c0d0e0f$"
    "5f5d5f11cb8a9e002e1c5aea84607773ba7ab530215c2406ca3983a7dd6de168";

// The menu once it is shown in front; null when it is not within 10 s.
HWND WaitForMenu() {
    HWND menu = nullptr;
    const bool inFront = test_support::WaitFor(
        [&] {
            menu = ::FindWindowW(L"TAL.OperatorMenu", L"管理者メニュー");
            return menu != nullptr && ::IsWindowVisible(menu) && ::GetForegroundWindow() == menu;
        },
        10s);
    if (!inFront && menu != nullptr) {
        char className[64]{};
        ::GetClassNameA(::GetForegroundWindow(), className, 64);
        ADD_FAILURE() << "in front: " << className;
    }
    return inFront ? menu : nullptr;
}

bool Shown(HWND menu, int control) {
    return ::IsWindowVisible(::GetDlgItem(menu, control)) != FALSE;
}

TEST(KioskOperatorTest, TheHotkeyOpensTheMenuAndThePinEndsKioskAndWatchdog) {
    test_support::DesktopKeeper keeper;
    test_support::WatchdogDriver watchdog(
        TAL_WATCHDOG_EXE, TAL_KIOSK_EXE,
        std::string("[CONFIG]\r\nStartPage=about:blank\r\nKeyLock=on\r\nOperatorPin=") + pin1234 +
            "\r\n");
    watchdog.program().start();
    HWND window = watchdog.waitForKiosk(0, 20s);
    ASSERT_NE(window, nullptr);
    const win32::UniqueHandle kiosk(
        ::OpenProcess(SYNCHRONIZE, FALSE, test_support::WindowProcess(window)));
    ASSERT_TRUE(kiosk);

    for (const WORD key : {VK_CONTROL, VK_MENU, VK_SHIFT, VK_F12}) {
        Press(key, true);
    }
    for (const WORD key : {VK_F12, VK_SHIFT, VK_MENU, VK_CONTROL}) {
        Press(key, false);
    }
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "the menu in front";
    EXPECT_EQ(::GetWindowLongPtrW(menu, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);

    // Typed into the field that has the keyboard, Enter for OK.
    Type("1234\r");
    ASSERT_TRUE(
        test_support::WaitFor([&] { return Shown(menu, kiosk_ui::operator_menu::exitId); }, 10s))
        << "the right PIN shows the choices";
    EXPECT_FALSE(Shown(menu, kiosk_ui::operator_menu::pinId));
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(menu, kiosk_ui::operator_menu::exitId), BM_CLICK,
                                    0, 0, SMTO_ABORTIFHUNG, 10000, &result),
              0);

    EXPECT_EQ(::WaitForSingleObject(kiosk.get(), 10000), WAIT_OBJECT_0);
    ASSERT_TRUE(watchdog.program().hasExited(15s));
    EXPECT_EQ(watchdog.program().exitCode(), 0U);
    const auto outcomes = watchdog.logEvents("operator");
    ASSERT_EQ(outcomes.size(), 2U);
    EXPECT_TRUE(outcomes[0].ends_with(" operator outcome=ok")) << outcomes[0];
    EXPECT_TRUE(outcomes[1].ends_with(" operator outcome=exit")) << outcomes[1];
    EXPECT_EQ(watchdog.logEvents("restart").size(), 0U) << "the watchdog started no new kiosk";
}

TEST(KioskOperatorTest, FiveTapsInTheCornerOpenTheMenuWhereAPinTooLongIsWrongAndEscCloses) {
    const std::string settings =
        std::string("[CONFIG]\r\nStartPage=about:blank\r\nOperatorPin=") + pin12Digits + "\r\n";
    test_support::KioskDriver kiosk(&settings);
    ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
    for (int tap = 0; tap < 5; ++tap) {
        INPUT input[2]{};
        for (INPUT& half : input) {
            half.type = INPUT_MOUSE;
            // (10, 10) on the screen, in the system's 0 to 65535.
            half.mi.dx = 10 * 65536 / ::GetSystemMetrics(SM_CXSCREEN);
            half.mi.dy = 10 * 65536 / ::GetSystemMetrics(SM_CYSCREEN);
        }
        input[0].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
        ASSERT_EQ(::SendInput(2, input, sizeof input[0]), 2U);
    }
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "the menu in front";

    // Set from outside, past the field's limit: the right PIN with one digit more.
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(menu, kiosk_ui::operator_menu::pinId), WM_SETTEXT,
                                    0, reinterpret_cast<LPARAM>(L"1234567890123"), SMTO_ABORTIFHUNG,
                                    10000, &result),
              0);
    ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(menu, kiosk_ui::operator_menu::okId), BM_CLICK, 0,
                                    0, SMTO_ABORTIFHUNG, 10000, &result),
              0);
    wchar_t message[64]{};
    ::GetDlgItemTextW(menu, kiosk_ui::operator_menu::messageId, message, 64);
    EXPECT_EQ(std::wstring(message), L"PIN が違います");
    EXPECT_FALSE(Shown(menu, kiosk_ui::operator_menu::exitId));
    EXPECT_TRUE(Shown(menu, kiosk_ui::operator_menu::firstDigitId));
    // Painted now, in the kiosk's thread, before the screen is read.
    ::RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT shown{};
    ::GetWindowRect(menu, &shown);
    test_support::SaveScreenshot("operator-menu", shown);

    Press(VK_ESCAPE, true);
    Press(VK_ESCAPE, false);
    EXPECT_TRUE(test_support::WaitFor([&] { return !::IsWindowVisible(menu); }, 10s));
    EXPECT_TRUE(kiosk.close());
    EXPECT_NE(kiosk.log().find(" operator outcome=wrong\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tal
