// The key lock of a running TAL.exe, pressed at from outside with real keyboard input.
#include <windows.h>

#include <bit>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "win32/UniqueHandle.h"

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

TEST(KioskKeyLockTest, TheLockSwallowsTheKeysThatLeaveAndOnlyTheWatchdogsStopClosesTheKiosk) {
    const std::string settings = Settings("on");
    KioskDriver kiosk(&settings);
    HWND window = StartInFront(kiosk);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(::GetForegroundWindow(), window);

    for (const Shortcut& shortcut : leavingShortcuts) {
        EXPECT_FALSE(SystemTookKey(shortcut)) << shortcut.name;
    }
    // Alt+F4 by another route, as the taskbar's window menu sends it: handled within the call.
    DWORD_PTR result = 0;
    ASSERT_NE(
        ::SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, 10000, &result),
        0);
    EXPECT_TRUE(::IsWindow(window)) << "the close command is refused";
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), window);
    EXPECT_TRUE(kiosk.close()) << "WM_CLOSE, the watchdog's stop, ends the kiosk";
}

TEST(KioskKeyLockTest, TheLockAnswersWhileTheKiosksWindowThreadIsBusy) {
    const std::string settings = Settings("on");
    KioskDriver kiosk(&settings);
    HWND window = StartInFront(kiosk);
    ASSERT_NE(window, nullptr);
    // The thread is held for 3 s inside a message, as a long wipe or a busy page holds it, by a
    // hook procedure of the test's own that the system loads into the kiosk.
    const win32::UniqueHandle started(::CreateEventW(nullptr, TRUE, FALSE, L"TAL.Test.Busy"));
    const win32::UniqueAny<HMODULE, &::FreeLibrary> library(
        ::LoadLibraryA(test_support::WindowsPathOf(TAL_BUSY_THREAD_HOOK).c_str()));
    const win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> hook(::SetWindowsHookExW(
        WH_CALLWNDPROC, std::bit_cast<HOOKPROC>(::GetProcAddress(library.get(), "BusyCallWndProc")),
        library.get(), ::GetWindowThreadProcessId(window, nullptr)));
    ::SendNotifyMessageW(window, ::RegisterWindowMessageW(L"TAL.Test.Busy"), 3000, 0);
    ASSERT_EQ(::WaitForSingleObject(started.get(), 10000), WAIT_OBJECT_0);
    const auto held = std::chrono::steady_clock::now();

    // Wine lets a key through when a hook has not answered within 2 s.
    EXPECT_FALSE(SystemTookKey({"Windows key", {VK_LWIN}}));
    EXPECT_TRUE(SystemTookKey({"typing", {'A'}}));
    EXPECT_LT(std::chrono::steady_clock::now() - held, 3s) << "answered while the thread was held";
    EXPECT_TRUE(kiosk.close());
}

}  // namespace
}  // namespace tal
