// The kiosk's fresh start of the day without the watchdog: at RestartTime, once nobody has touched
// the PC for a minute, a new kiosk process takes over and the old one ends.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
#include "tests/support/KioskDriver.h"
#include "win32/UniqueHandle.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

// The next minute of the local clock as RestartTime gives it, at least ten seconds away, so that
// the kiosk's start does not fall into it.
std::string NextMinute() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    if (now.wSecond >= 50) {
        test_support::PumpFor(std::chrono::seconds(61 - now.wSecond));
        ::GetLocalTime(&now);
    }
    const int minute = (now.wHour * 60 + now.wMinute + 1) % (24 * 60);
    char text[6];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    return text;
}

// The kiosk that the test did not start: closed, or else ended, before the test's folder goes.
struct Successor {
    HWND window = nullptr;

    bool closed() {
        const HWND closing = std::exchange(window, nullptr);
        const win32::UniqueHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE,
                                                        test_support::WindowProcess(closing)));
        if (!process) {
            return false;
        }
        ::PostMessageW(closing, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process.get(), 10'000) == WAIT_OBJECT_0) {
            return true;
        }
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 10'000);
        return false;
    }
    ~Successor() {
        if (window != nullptr) {
            closed();
        }
    }
};

TEST(KioskRestartTest, RestartTimeOneMinuteAheadGivesANewKioskProcess) {
    const std::string settings =
        "[CONFIG]\r\nStartPage=about:blank\r\nRestartTime=" + NextMinute() + "\r\n";
    test_support::KioskDriver kiosk(&settings);
    ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
    const DWORD first = kiosk.program().processId();

    // Up to a minute until the minute comes, and up to another one without input.
    Successor successor;
    test_support::WaitFor(
        [&] {
            for (HWND window = nullptr;
                 (window = ::FindWindowExA(nullptr, window, nullptr, test_support::kioskTitle));) {
                if (::IsWindowVisible(window) && test_support::WindowProcess(window) != first) {
                    successor.window = window;
                }
            }
            return successor.window != nullptr;
        },
        150s, 100ms);
    ASSERT_NE(successor.window, nullptr) << kiosk.log();

    EXPECT_TRUE(kiosk.program().hasExited(15s)) << "the old kiosk makes way";
    EXPECT_EQ(kiosk.program().exitCode(), 0U);
    // Once it has ended, the new kiosk's lines are all in the file.
    EXPECT_TRUE(successor.closed());
    const std::string log = kiosk.log();
    const std::size_t restart = log.find(" TAL restart reason=scheduled\r\n");
    EXPECT_NE(restart, std::string::npos) << log;
    EXPECT_NE(log.find(" TAL start version=", restart), std::string::npos)
        << "the new kiosk beside the same TAL.ini: " << log;
}

}  // namespace
}  // namespace tal
