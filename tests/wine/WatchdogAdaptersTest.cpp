// The watchdog's Win32 adapters against the real system, where its end-to-end suite does not reach:
// the session's end, a program that cannot start, a stop request without a watchdog, and the box
// that does not block.
#include <windows.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/BackgroundNotices.h"
#include "win32/WatchdogInstance.h"
#include "win32/Win32ChildProcess.h"
#include "win32/Win32Succession.h"
#include "win32/Win32WatchdogSignals.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using platform::Wake;

class WatchdogSignalsTest : public testing::Test {
protected:
    win32::UniqueHandle stopEvent{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    win32::Win32WatchdogSignals signals{::GetModuleHandleW(nullptr), stopEvent.get()};

    HWND window() const { return signals.sessionWindow().handle(); }
};

TEST_F(WatchdogSignalsTest, TheSessionWindowIsAHiddenTopLevelWindowWithoutATitle) {
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(::GetAncestor(window(), GA_PARENT), ::GetDesktopWindow()) << "top-level";
    EXPECT_EQ(::GetWindow(window(), GW_OWNER), nullptr);
    EXPECT_FALSE(::IsWindowVisible(window()));
    EXPECT_EQ(::GetWindowTextLengthW(window()), 0);
}

TEST_F(WatchdogSignalsTest, SessionMessagesFromAnotherThreadEndTheWaitAndNeverHoldTheEndUp) {
    struct Case {
        UINT message;
        WPARAM wParam;
        Wake wake;
    };
    for (const Case& sent : {Case{WM_QUERYENDSESSION, 0, Wake::sessionEnding},
                             Case{WM_ENDSESSION, FALSE, Wake::sessionContinues},
                             Case{WM_ENDSESSION, TRUE, Wake::sessionEnding}}) {
        SCOPED_TRACE(sent.message == WM_QUERYENDSESSION ? "query" : "end");
        LRESULT answer = -1;
        std::thread system([&] {
            answer = ::SendMessageW(window(), sent.message, sent.wParam, ENDSESSION_CLOSEAPP);
        });
        EXPECT_EQ(signals.wait(0, 20'000), sent.wake);
        system.join();
        EXPECT_EQ(answer, sent.message == WM_QUERYENDSESSION ? TRUE : 0);
    }
    EXPECT_EQ(signals.wait(0, 0), Wake::timeout) << "each message reported once";
}

TEST(ProcessStarterTest, AMissingProgramFailsWithItsError) {
    const test_support::TemporaryFolder folder;
    win32::Win32ProcessStarter starter;
    EXPECT_EQ(starter.createProcess(folder.file("TAL.exe"), folder.path()), nullptr);
    EXPECT_EQ(starter.lastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(WatchdogInstanceTest, AStopRequestWithoutAWatchdogFindsNone) {
    EXPECT_EQ(win32::RequestWatchdogStop(1s), win32::StopResult::noneRunning);
}

TEST(WatchdogInstanceTest, TheKioskSeesWhetherTheWatchdogRuns) {
    win32::Win32Succession kioskSide;
    EXPECT_FALSE(kioskSide.watchdogRuns());

    std::optional<win32::WatchdogInstance> instance = win32::WatchdogInstance::claim();
    ASSERT_TRUE(instance.has_value());
    EXPECT_TRUE(kioskSide.watchdogRuns());

    instance.reset();
    EXPECT_FALSE(kioskSide.watchdogRuns()) << "gone with the watchdog";
}

TEST(BackgroundNoticesTest, TheBoxStaysOpenWhileTheCallerGoesOnAndClosesWithItsOwner) {
    HWND box = nullptr;
    {
        win32::BackgroundNotices notices;
        notices.show("TAL.exe を起動できません。", "エラー");
        ASSERT_TRUE(test_support::WaitFor(
            [&] {
                return (box = test_support::FindProcessWindow(::GetCurrentProcessId(),
                                                              [](HWND window) {
                                                                  return test_support::HasTitle(
                                                                      window, "エラー");
                                                              })) != nullptr &&
                       ::IsWindowVisible(box);
            },
            20s));
        bool hasText = false;
        for (HWND child = nullptr; (child = ::FindWindowExW(box, child, L"Static", nullptr));) {
            hasText = hasText || test_support::WindowText(child) == "TAL.exe を起動できません。";
        }
        EXPECT_TRUE(hasText);
        EXPECT_NE(::GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "above the cover";
    }
    EXPECT_FALSE(::IsWindow(box)) << "closed when the owner went";
}

}  // namespace
}  // namespace tal
