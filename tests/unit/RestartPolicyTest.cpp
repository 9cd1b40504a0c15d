#include "watchdog/RestartPolicy.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "watchdog/Uptime.h"

namespace tal::watchdog {
namespace {

constexpr std::uint64_t second = 1000;
constexpr std::uint64_t minute = 60 * second;

// One start of the kiosk: how long it ran, why it ended, and the wait the policy must choose.
struct KioskRun {
    std::uint64_t ranFor;
    EndReason reason;
    std::uint64_t expectedWait;
    bool backOff = false;
};

struct PolicyCase {
    const char* name;
    std::vector<KioskRun> runs;
};

class RestartPolicyTest : public testing::TestWithParam<PolicyCase> {};

// Each run starts once the wait chosen after the one before has passed.
TEST_P(RestartPolicyTest, ChoosesTheWaitBeforeEachStart) {
    RestartPolicy policy;
    std::uint64_t now = 0;
    for (std::size_t index = 0; index < GetParam().runs.size(); ++index) {
        const KioskRun& run = GetParam().runs[index];
        policy.recordStart(now);
        now += run.ranFor;
        const RestartDelay delay = policy.afterEnd(now, run.reason, run.ranFor);
        EXPECT_EQ(delay.milliseconds, run.expectedWait) << "after run " << index + 1;
        EXPECT_EQ(delay.backOff, run.backOff) << "after run " << index + 1;
        now += delay.milliseconds;
    }
}

const KioskRun quickCrash{second, EndReason::ended, 0};
KioskRun BackOff(std::uint64_t ranFor, EndReason reason, std::uint64_t wait) {
    return {ranFor, reason, wait, true};
}

INSTANTIATE_TEST_SUITE_P(
    Histories, RestartPolicyTest,
    testing::Values(PolicyCase{"FiveQuickEndsRestartAtOnceTheSixthBacksOff",
                               {quickCrash, quickCrash, quickCrash, quickCrash, quickCrash,
                                BackOff(second, EndReason::ended, 30 * second)}},
                    PolicyCase{"BackOffDoublesToTenMinutesAndStaysThere",
                               {quickCrash, quickCrash, quickCrash, quickCrash, quickCrash,
                                BackOff(second, EndReason::ended, 30 * second),
                                BackOff(second, EndReason::ended, 60 * second),
                                BackOff(2 * minute, EndReason::ended, 120 * second),
                                BackOff(second, EndReason::hung, 240 * second),
                                BackOff(9 * minute, EndReason::ended, 480 * second),
                                BackOff(second, EndReason::ended, 600 * second),
                                BackOff(second, EndReason::ended, 600 * second)}},
                    PolicyCase{"TenMinutesOfGoodRunningEndTheBackOff",
                               {quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                BackOff(second, EndReason::ended, 30 * second),
                                {10 * minute, EndReason::ended, 0},
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                BackOff(second, EndReason::ended, 30 * second)}},
                    PolicyCase{"StartsSpreadOverMoreThanAMinuteNeverBackOff",
                               {{13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::ended, 0},
                                {13 * second, EndReason::hung, 0},
                                {13 * second, EndReason::ended, 0}}},
                    PolicyCase{"SixStartsWithinAMinuteEvenIfSpread",
                               {{11 * second, EndReason::ended, 0},
                                {11 * second, EndReason::ended, 0},
                                {11 * second, EndReason::ended, 0},
                                {11 * second, EndReason::ended, 0},
                                {11 * second, EndReason::ended, 0},
                                BackOff(4 * second, EndReason::ended, 30 * second)}},
                    PolicyCase{"ARefusalWaitsAMinuteAndIsNoCrash",
                               {{second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                {second, EndReason::refused, minute},
                                quickCrash}},
                    PolicyCase{"ARefusalDuringABackOffLeavesItAsItWas",
                               {quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                BackOff(second, EndReason::ended, 30 * second),
                                {second, EndReason::refused, minute},
                                BackOff(second, EndReason::ended, 60 * second)}},
                    PolicyCase{"ARequestedRestartIsAtOnceAndItsStartIsNoneOfAPileUp",
                               {quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                {second, EndReason::requested, 0},
                                quickCrash,
                                BackOff(second, EndReason::ended, 30 * second)}},
                    PolicyCase{"ARequestedRestartDuringABackOffIsAtOnceAndLeavesIt",
                               {quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                quickCrash,
                                BackOff(second, EndReason::ended, 30 * second),
                                {second, EndReason::requested, 0},
                                BackOff(second, EndReason::ended, 60 * second)}},
                    PolicyCase{"AFailedStartBacksOffAtOnce",
                               {BackOff(0, EndReason::notStarted, 30 * second),
                                BackOff(0, EndReason::notStarted, 60 * second),
                                BackOff(0, EndReason::notStarted, 120 * second),
                                BackOff(minute, EndReason::ended, 240 * second),
                                {10 * minute, EndReason::ended, 0}}}),
    [](const testing::TestParamInfo<PolicyCase>& info) { return std::string(info.param.name); });

class SteppedClock : public platform::Clock {
public:
    std::uint32_t tick = 0;
    std::uint32_t tickCount() override { return tick; }
    platform::TimeOfDay localTime() override { return {}; }
};

TEST(UptimeTest, CountsOnAcrossTheWrapOfTheTickCount) {
    SteppedClock clock;
    clock.tick = 0xFFFFF000;
    Uptime uptime(clock);
    clock.tick = 0xFFFFFFFF;
    EXPECT_EQ(uptime.now(), 0xFFFU);
    clock.tick = 0x1000;
    EXPECT_EQ(uptime.now(), 0x2000U);
    // Two whole turns of the 32-bit count and more, read once a day.
    std::uint64_t last = 0;
    for (int day = 0; day < 100; ++day) {
        clock.tick += 86'400'000;
        last = uptime.now();
    }
    EXPECT_EQ(last, 0x2000U + 100ULL * 86'400'000);
}

}  // namespace
}  // namespace tal::watchdog
