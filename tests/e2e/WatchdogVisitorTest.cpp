// talwatch.exe across the kiosk's restarts: never a bare desktop, no window left from before.
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "common/ExitCodes.h"
#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/Screen.h"
#include "tests/support/WatchdogDriver.h"
#include "tests/support/WindowHost.h"
#include "win32/CoverWindow.h"
#include "win32/UniqueHandle.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::WaitFor;
using test_support::WatchdogDriver;
using test_support::WindowProcess;

const std::string visitorKioskSettings = "[CONFIG]\r\nStartPage=about:blank\r\n";

// The back-off lasts its 30 s: nothing shortens it.
TEST(WatchdogVisitorTest, ABackOffCoversTheScreenUntilTheKiosksWindowIsBack) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_STAND_IN_KIOSK_EXE, visitorKioskSettings);
    watchdog.program().start();
    HWND cover = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            cover = ::FindWindowW(win32::CoverWindow::className, nullptr);
            return cover != nullptr && ::IsWindowVisible(cover);
        },
        30s));
    EXPECT_NE(::GetWindowLongW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetWindowTextLengthW(cover), 0) << "untitled: the kiosk's window guard skips it";
    EXPECT_EQ(test_support::WindowText(::FindWindowExW(cover, nullptr, L"Static", nullptr)),
              "しばらくお待ちください");
    ::RedrawWindow(cover, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    test_support::SaveScreenshot("watchdog-cover");
    ::PostMessageW(cover, WM_CLOSE, 0, 0);
    ::PostMessageW(cover, WM_SYSCOMMAND, SC_CLOSE, 0);

    // The real kiosk takes the place of the one that ended at once; the back-off's end starts it.
    ASSERT_TRUE(::CopyFileA(test_support::WindowsPathOf(TAL_KIOSK_EXE).c_str(),
                            watchdog.program().folder().file("TAL.exe").c_str(), FALSE));
    ASSERT_NE(watchdog.waitForKiosk(0, 45s), nullptr);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(cover); }, 5s));
    EXPECT_TRUE(::IsWindow(cover)) << "hidden, never closed by the messages";

    EXPECT_EQ(watchdog.stop(), 0U);
    EXPECT_EQ(watchdog.stop(), static_cast<DWORD>(exit_code::watchdogNotRunning));
}

TEST(WatchdogVisitorTest, AWindowOpenedBeforeACrashGoesAtTheNextKiosksFirstReset) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE,
                            visitorKioskSettings + "InitButton=on\r\n");
    watchdog.program().start();
    // Shown once it has taken its snapshot.
    HWND window = watchdog.waitForKiosk(0, 20s);
    ASSERT_NE(window, nullptr);
    const DWORD crashed = WindowProcess(window);
    const test_support::TemporaryFolder folder;
    const test_support::WindowHost leftOver(TAL_WINDOW_HOST_EXE, folder, "left-over",
                                            "TalLeftOver|LeftOver|1");
    ASSERT_TRUE(leftOver.waitUntilReady());

    const win32::UniqueHandle kiosk(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, crashed));
    ASSERT_TRUE(kiosk && ::TerminateProcess(kiosk.get(), 0xC0000005));
    ASSERT_EQ(::WaitForSingleObject(kiosk.get(), 5000), WAIT_OBJECT_0);
    window = watchdog.waitForKiosk(crashed, 20s);
    ASSERT_NE(window, nullptr);
    HWND button = test_support::WaitForReturnButton(WindowProcess(window));
    ASSERT_TRUE(button != nullptr && test_support::PressReturnButton(button));
    EXPECT_TRUE(leftOver.waitForExit(5s));
}

}  // namespace
}  // namespace tal
