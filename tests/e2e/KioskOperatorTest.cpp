// The operator's way into a locked-down kiosk under its watchdog: the hotkey opens the menu, and
// after the PIN "キオスクを終了" ends the kiosk and the watchdog.
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/ui/OperatorMenuWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
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
    HWND menu = nullptr;
    ASSERT_TRUE(test_support::WaitFor(
        [&] {
            menu = ::FindWindowW(L"TAL.OperatorMenu", L"管理者メニュー");
            return menu != nullptr && ::IsWindowVisible(menu) && ::GetForegroundWindow() == menu;
        },
        10s))
        << "the menu in front";
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

}  // namespace
}  // namespace tal
