// The key lock of a running TAL.exe, pressed at from outside with real keyboard input.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::KioskDriver;

// A shortcut that leaves the kiosk; its last key is the one the lock swallows.
struct Shortcut {
    const char* name;
    std::vector<WORD> keys;
};

const Shortcut leavingShortcuts[] = {
    {"Alt+Tab", {VK_MENU, VK_TAB}},
    {"Windows key", {VK_LWIN}},
    {"Alt+F4", {VK_MENU, VK_F4}},  // last: without the lock it closes the kiosk
};

void Send(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (key == VK_LWIN ? KEYEVENTF_EXTENDEDKEY : 0);
    ASSERT_EQ(::SendInput(1, &input, sizeof input), 1U);
}

// Presses the keys in order, as a person does, and lets them go in reverse. Whether the system
// took the last key: a key that a low-level hook swallows never reaches the key state.
bool SystemTookKey(const Shortcut& shortcut) {
    const WORD key = shortcut.keys.back();
    ::GetAsyncKeyState(key);  // forgets earlier presses
    for (const WORD down : shortcut.keys) {
        Send(down, true);
    }
    // The hook answers in the kiosk's thread before the key is taken.
    const bool taken = test_support::WaitFor([&] { return ::GetAsyncKeyState(key) != 0; }, 1s);
    for (auto up = shortcut.keys.rbegin(); up != shortcut.keys.rend(); ++up) {
        Send(*up, false);
    }
    return taken;
}

// The kiosk's main window, brought in front as at start-up.
HWND StartInFront(KioskDriver& kiosk) {
    HWND window = kiosk.waitForMainWindow(20s);
    if (window != nullptr) {
        ::SetForegroundWindow(window);
        test_support::WaitFor([&] { return ::GetForegroundWindow() == window; }, 5s);
    }
    return window;
}

std::string Settings(const char* keyLock) {
    return std::string("[CONFIG]\r\nStartPage=about:blank\r\nKeyLock=") + keyLock + "\r\n";
}

TEST(KioskKeyLockTest, WithoutTheLockTheKeysReachTheSystemAndAltF4ClosesTheKiosk) {
    const std::string settings = Settings("off");
    KioskDriver kiosk(&settings);
    HWND window = StartInFront(kiosk);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(::GetForegroundWindow(), window);

    for (const Shortcut& shortcut : leavingShortcuts) {
        EXPECT_TRUE(SystemTookKey(shortcut)) << shortcut.name;
    }
    EXPECT_TRUE(kiosk.program().hasExited(10s)) << "Wine closes a window on Alt+F4";
}

TEST(KioskKeyLockTest, TheLockSwallowsTheKeysThatLeaveAndTheKioskStaysInFront) {
    const std::string settings = Settings("on");
    KioskDriver kiosk(&settings);
    HWND window = StartInFront(kiosk);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(::GetForegroundWindow(), window);

    for (const Shortcut& shortcut : leavingShortcuts) {
        EXPECT_FALSE(SystemTookKey(shortcut)) << shortcut.name;
    }
    // Alt+F4 closes at once where it gets through (the case above): give it that long.
    EXPECT_FALSE(kiosk.program().hasExited(2s));
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), window);
    EXPECT_TRUE(kiosk.close());
}

}  // namespace
}  // namespace tal
