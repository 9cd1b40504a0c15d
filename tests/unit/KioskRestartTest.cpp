// The kiosk's fresh start of the day on a fake clock, and how it makes way for a new process or
// ends for good, with and without the session's watchdog.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/ExitCodes.h"
#include "kiosk/RestartSchedule.h"
#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

constexpr int day = 24 * 60 * 60;
constexpr int hour = 60 * 60;

struct MomentCase {
    const char* name;
    const char* restartTime;
    // Seconds after the start at which someone touches the PC, and every so many seconds
    // throughout; the last input before the start lies an hour before it.
    std::vector<int> touches;
    int touchEvery;
    // Seconds after the start at which a restart is due, within a day and ten minutes.
    std::vector<int> due;
    // The start: 02:58:00 and this many seconds.
    int startsAfter = 0;
};

class RestartMomentTest : public testing::TestWithParam<MomentCase> {};

TEST_P(RestartMomentTest, IsDueAtTheTickThatTheTimeAndTheQuietMinuteAllow) {
    const MomentCase& c = GetParam();
    const auto timeAt = [&](int second) {
        const int daySecond = (2 * hour + 58 * 60 + c.startsAfter + second) % day;
        return platform::TimeOfDay{daySecond / hour, daySecond / 60 % 60, daySecond % 60};
    };
    RestartSchedule schedule(c.restartTime, timeAt(0));
    platform::InputTimes input{hour * 1000, 0};
    std::vector<int> due;
    for (int second = 1; second <= day + 600; ++second) {
        input.now = (hour + second) * 1000;
        if (std::ranges::find(c.touches, second) != c.touches.end() ||
            (c.touchEvery > 0 && second % c.touchEvery == 0)) {
            input.lastInput = input.now;
        }
        if (schedule.due(timeAt(second), input)) {
            due.push_back(second);
        }
    }
    EXPECT_EQ(due, c.due);
}

// 03:00 comes 120 s after the start.
INSTANTIATE_TEST_SUITE_P(
    Moments, RestartMomentTest,
    testing::Values(
        MomentCase{"AtTheMinuteWhenNobodyTouchedItForAMinute", "03:00", {}, 0, {120, 120 + day}},
        MomentCase{"ATouchBeforeTheMinuteCountsFromItsTime", "03:00", {90}, 0, {150, 120 + day}},
        MomentCase{
            "AVisitAcrossTheMinuteWaitsForItsEnd", "03:00", {100, 160, 220}, 0, {280, 120 + day}},
        MomentCase{"AnHourAfterTheMinuteWhateverTheInput", "03:00", {}, 30, {120 + hour}},
        MomentCase{"AStartWithinTheMinuteWaitsADay", "03:00", {}, 0, {day - 20}, 140}),
    [](const testing::TestParamInfo<MomentCase>& info) { return std::string(info.param.name); });

using Lines = std::vector<std::string>;

struct PathCase {
    const char* name;
    bool watchdog;
    bool fails;
    // The platform calls from the request on, and TAL.log's events after the start line.
    Lines calls;
    Lines events;
    std::optional<int> exitCode;
    // The StickyKeys flags afterwards: as the operator set them only while a copy runs.
    std::uint32_t stickyKeysAfter;
};

class RestartPathTest : public testing::TestWithParam<PathCase>, protected fakes::KioskFixture {};

TEST_P(RestartPathTest, MakesWayForTheNextProcessOrEndsForGood) {
    const PathCase& c = GetParam();
    constexpr std::uint32_t asSet = platform::accessibility_flag::hotkeyActive;
    setting("KeyLock", "on");
    accessibility.stored[platform::AccessibilityFeature::stickyKeys] = asSet;
    succession.watchdog = c.watchdog;
    succession.copyFails = c.fails;
    succession.onStartCopy = [&] {
        EXPECT_EQ(accessibility.stored[platform::AccessibilityFeature::stickyKeys], asSet)
            << "the copy finds the operator's flags";
    };
    kiosk.start();
    log.calls.clear();

    EXPECT_EQ(kiosk.restart("scheduled"), !c.fails || c.watchdog);

    EXPECT_EQ(log.calls, c.calls);
    Lines events = fakes::LoggedEvents(logStorage.text("C:\\Kiosk\\TAL.log"));
    ASSERT_FALSE(events.empty());
    events.erase(events.begin());
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(kiosk.exitCode(), c.exitCode);
    EXPECT_EQ(accessibility.stored[platform::AccessibilityFeature::stickyKeys], c.stickyKeysAfter);
}

const Lines closes{"Close"};
const Lines copies{"CreateProcess copy wait=10000", "Close"};
const Lines copyOnly{"CreateProcess copy wait=10000"};
const Lines scheduled{"restart reason=scheduled"};
const Lines copyFailed{"restart reason=scheduled", "restart-failed error=5"};
constexpr std::uint32_t active = platform::accessibility_flag::hotkeyActive;

INSTANTIATE_TEST_SUITE_P(
    Paths, RestartPathTest,
    testing::Values(PathCase{"WithTheWatchdogTheKioskEndsWithItsRestartCode", true, false, closes,
                             scheduled, exit_code::kioskRestart, 0},
                    PathCase{"WithoutItTheKioskStartsACopyAndEnds", false, false, copies, scheduled,
                             std::nullopt, active},
                    PathCase{"ACopyThatCannotStartLeavesTheKioskAsItWas", false, true, copyOnly,
                             copyFailed, std::nullopt, 0}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tal
