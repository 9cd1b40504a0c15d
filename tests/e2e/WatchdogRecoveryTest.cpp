// talwatch.exe started for real with TAL.exe beside it, its kiosk ended from outside as a crash,
// a freeze or a stop request would end it.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/UnixProcess.h"
#include "tests/support/WatchdogDriver.h"
#include "win32/UniqueHandle.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test_support::WatchdogDriver;
using test_support::WindowProcess;

const std::string kioskSettings = "[CONFIG]\r\nStartPage=about:blank\r\n";

win32::UniqueHandle OpenForWaiting(DWORD process) {
    return win32::UniqueHandle(::OpenProcess(SYNCHRONIZE, FALSE, process));
}

std::chrono::milliseconds Left(std::chrono::milliseconds total, Clock::time_point since) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(total - (Clock::now() - since));
}

std::string Pid(DWORD process) {
    return "pid=" + std::to_string(process);
}

// Seconds since midnight of a log line's local time.
int SecondOfDay(const std::string& line) {
    return std::stoi(line.substr(11, 2)) * 3600 + std::stoi(line.substr(14, 2)) * 60 +
           std::stoi(line.substr(17, 2));
}

class WatchdogRecoveryTest : public testing::Test {
protected:
    test_support::DesktopKeeper keeper;
};

// More than five starts within a minute make the watchdog back off. So the first five kills come
// as soon as each kiosk is back, and each later one once the start five before it is more than a
// minute old: about seventy seconds in all.
TEST_F(WatchdogRecoveryTest, AKilledKioskIsBackWithinThreeSecondsTenTimesInARow) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE, kioskSettings);
    watchdog.program().start();
    HWND window = watchdog.waitForKiosk(0, 20s);
    ASSERT_NE(window, nullptr);
    // When each kiosk's window was seen; its start came before.
    std::vector<Clock::time_point> shown{Clock::now()};
    std::vector<DWORD> killed;
    for (std::size_t round = 1; round <= 10; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        if (round > 5) {
            test_support::PumpFor(Left(61s, shown[round - 6]));
        }
        const DWORD kiosk = WindowProcess(window);
        const auto process = OpenForWaiting(kiosk);
        const auto linuxProcess = test_support::LinuxProcessOf(watchdog.kioskPathEnd());
        ASSERT_TRUE(process && linuxProcess.has_value());

        const auto kill = Clock::now();
        ASSERT_TRUE(test_support::SendLinuxSignal(*linuxProcess, "KILL"));
        ASSERT_EQ(::WaitForSingleObject(process.get(), 3000), WAIT_OBJECT_0);
        window = watchdog.waitForKiosk(kiosk, Left(3s, kill));
        ASSERT_NE(window, nullptr) << "no new kiosk within 3 s";
        shown.push_back(Clock::now());
        killed.push_back(kiosk);
    }

    const auto exits = watchdog.logEvents("kiosk-exit");
    const auto restarts = watchdog.logEvents("restart");
    ASSERT_EQ(exits.size(), 10U);
    ASSERT_EQ(restarts.size(), 10U);
    for (std::size_t at = 0; at < killed.size(); ++at) {
        EXPECT_NE(exits[at].find(Pid(killed[at])), std::string::npos) << exits[at];
        EXPECT_TRUE(restarts[at].ends_with(" restart reason=exit wait=0")) << restarts[at];
    }
    EXPECT_EQ(watchdog.logEvents("kiosk-start").size(), 11U);
    EXPECT_TRUE(watchdog.logEvents("backoff").empty());
}

TEST_F(WatchdogRecoveryTest, AFrozenKioskIsEndedAndReplacedAfterHangSeconds) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE, kioskSettings + "HangSeconds=10\r\n");
    watchdog.program().start();
    HWND window = watchdog.waitForKiosk(0, 20s);
    ASSERT_NE(window, nullptr);
    const DWORD frozen = WindowProcess(window);
    const auto process = OpenForWaiting(frozen);
    const auto linuxProcess = test_support::LinuxProcessOf(watchdog.kioskPathEnd());
    ASSERT_TRUE(process && linuxProcess.has_value());

    ASSERT_TRUE(test_support::SendLinuxSignal(*linuxProcess, "STOP"));
    EXPECT_NE(watchdog.waitForKiosk(frozen, 20s), nullptr) << "no new kiosk within 20 s";
    EXPECT_EQ(::WaitForSingleObject(process.get(), 5000), WAIT_OBJECT_0) << "the frozen one ended";

    const auto hangs = watchdog.logEvents("hang");
    ASSERT_EQ(hangs.size(), 1U);
    EXPECT_NE(hangs[0].find(Pid(frozen) + " silent="), std::string::npos) << hangs[0];
    // The new kiosk's window can show before the watchdog's line about it is written.
    std::vector<std::string> restarts;
    test_support::WaitFor(
        [&] {
            restarts = watchdog.logEvents("restart");
            return !restarts.empty();
        },
        5s);
    ASSERT_EQ(restarts.size(), 1U);
    EXPECT_TRUE(restarts[0].ends_with(" restart reason=hang wait=0")) << restarts[0];
}

TEST_F(WatchdogRecoveryTest, AKioskThatEndsAtOnceMakesItBackOff) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_STAND_IN_KIOSK_EXE, kioskSettings);
    watchdog.program().start();
    ASSERT_TRUE(test_support::WaitFor([&] { return !watchdog.logEvents("backoff").empty(); }, 30s));
    const auto backOff = watchdog.logEvents("backoff");
    const auto starts = watchdog.logEvents("kiosk-start");
    ASSERT_EQ(backOff.size(), 1U);
    EXPECT_TRUE(backOff[0].ends_with(" backoff reason=exit seconds=30")) << backOff[0];
    ASSERT_EQ(starts.size(), 6U) << "the sixth start within a minute is the last";
    EXPECT_LE(SecondOfDay(backOff[0]) - SecondOfDay(starts[0]), 10) << starts[0];

    // It waits instead of starting a seventh time.
    test_support::PumpFor(5s);
    EXPECT_EQ(watchdog.logEvents("kiosk-start").size(), 6U);
    EXPECT_EQ(watchdog.stop(), 0U);
    EXPECT_TRUE(watchdog.program().hasExited(6s));
    EXPECT_EQ(watchdog.program().exitCode(), 0U);
    EXPECT_EQ(watchdog.logEvents("stop").size(), 1U);
}

TEST_F(WatchdogRecoveryTest, OneWatchdogPerSessionAndStopEndsBothWithinSixSeconds) {
    WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE, kioskSettings);
    watchdog.program().start();
    HWND window = watchdog.waitForKiosk(0, 20s);
    ASSERT_NE(window, nullptr);
    const auto kiosk = OpenForWaiting(WindowProcess(window));
    ASSERT_TRUE(kiosk);

    WatchdogDriver second(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE, kioskSettings);
    second.program().start();
    ASSERT_TRUE(second.program().hasExited(20s));
    EXPECT_EQ(second.program().exitCode(), 1U) << "already running";

    const auto stop = Clock::now();
    EXPECT_EQ(watchdog.stop(), 0U);
    EXPECT_TRUE(watchdog.program().hasExited(Left(6s, stop)));
    EXPECT_EQ(::WaitForSingleObject(kiosk.get(), 0), WAIT_OBJECT_0);
    EXPECT_LT(Clock::now() - stop, 6s);
    EXPECT_EQ(watchdog.program().exitCode(), 0U);
    const auto stops = watchdog.logEvents("stop");
    ASSERT_EQ(stops.size(), 1U);
    EXPECT_TRUE(stops[0].ends_with(" stop kiosk=closed code=0")) << stops[0];
    EXPECT_EQ(watchdog.logEvents("restart").size(), 0U) << "a stop is no crash";
}

}  // namespace
}  // namespace tal
