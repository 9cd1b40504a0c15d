// The watchdog's Win32 adapters against the real system: its hidden window and waiting, the
// session's single instance and stop request, child processes, the window probe and the box that
// does not block.
#include <windows.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "common/ExitCodes.h"
#include "tests/support/Deadline.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WindowHost.h"
#include "win32/BackgroundNotices.h"
#include "win32/TextConversion.h"
#include "win32/WatchdogInstance.h"
#include "win32/Win32ChildProcess.h"
#include "win32/Win32WatchdogSignals.h"
#include "win32/Win32WindowProbe.h"

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

TEST_F(WatchdogSignalsTest, TheStopEventAndTheProcessEndWakeTheWait) {
    ::SetEvent(stopEvent.get());
    EXPECT_EQ(signals.wait(0, 20'000), Wake::stopRequested);
    EXPECT_EQ(signals.wait(0, 10), Wake::timeout) << "the event resets itself";

    const test_support::TemporaryFolder folder;
    win32::Win32ProcessStarter starter;
    const auto child =
        starter.createProcess(test_support::WindowsPathOf(TAL_STAND_IN_KIOSK_EXE), folder.path());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(signals.wait(child->handle(), 20'000), Wake::processEnded);
    EXPECT_EQ(child->exitCode(), 1U);
}

TEST(ProcessStarterTest, AMissingProgramFailsWithItsErrorAndARunningOneCanBeEnded) {
    const test_support::TemporaryFolder folder;
    win32::Win32ProcessStarter starter;
    EXPECT_EQ(starter.createProcess(folder.file("TAL.exe"), folder.path()), nullptr);
    EXPECT_EQ(starter.lastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

    const auto child = starter.createProcess("C:\\windows\\system32\\notepad.exe", folder.path());
    ASSERT_NE(child, nullptr);
    EXPECT_NE(child->processId(), 0U);
    EXPECT_EQ(child->exitCode(), std::nullopt) << "running";
    EXPECT_TRUE(child->terminate(exit_code::kioskTerminated));
    ASSERT_EQ(::WaitForSingleObject(reinterpret_cast<HANDLE>(child->handle()), 20'000),
              WAIT_OBJECT_0);
    EXPECT_EQ(child->exitCode(), exit_code::kioskTerminated);
}

TEST(WatchdogInstanceTest, OneInstanceHoldsTheSessionUntilAStopRequestEndsIt) {
    EXPECT_EQ(win32::RequestWatchdogStop(1s), win32::StopResult::noneRunning);

    std::optional<win32::WatchdogInstance> instance = win32::WatchdogInstance::claim();
    ASSERT_TRUE(instance.has_value());
    EXPECT_FALSE(win32::WatchdogInstance::claim().has_value()) << "a second one";

    // The stopping side, as `talwatch.exe /stop` runs it, in another thread.
    win32::StopResult result = win32::StopResult::noneRunning;
    std::thread stopper([&] { result = win32::RequestWatchdogStop(20s); });
    ASSERT_EQ(::WaitForSingleObject(instance->stopEvent(), 20'000), WAIT_OBJECT_0);
    instance.reset();
    stopper.join();
    EXPECT_EQ(result, win32::StopResult::stopped);

    EXPECT_TRUE(win32::WatchdogInstance::claim().has_value()) << "free again";
}

TEST(WindowProbeTest, AnswersForALiveWindowOfAnotherProcessAndNotForAGoneOne) {
    const test_support::TemporaryFolder folder;
    test_support::WindowHost host(TAL_WINDOW_HOST_EXE, folder, "probe", "STATIC|probe-target|1");
    ASSERT_TRUE(host.waitUntilReady());
    HWND target = ::FindWindowA("STATIC", "probe-target");
    ASSERT_NE(target, nullptr);
    win32::Win32WindowProbe probe;
    EXPECT_TRUE(probe.sendMessageTimeout(reinterpret_cast<platform::WindowHandle>(target), WM_NULL,
                                         SMTO_ABORTIFHUNG, 5000));
    ::PostMessageW(target, WM_CLOSE, 0, 0);
    ASSERT_TRUE(test_support::WaitFor([&] { return !::IsWindow(target); }, 20s));
    EXPECT_FALSE(probe.sendMessageTimeout(reinterpret_cast<platform::WindowHandle>(target), WM_NULL,
                                          SMTO_ABORTIFHUNG, 5000));
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
    }
    EXPECT_FALSE(::IsWindow(box)) << "closed when the owner went";
}

}  // namespace
}  // namespace tal
