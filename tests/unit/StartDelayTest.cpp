#include "kiosk/StartDelay.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

struct DelayCase {
    double seconds;
    std::int32_t milliseconds;
};

class StartDelayTest : public testing::TestWithParam<DelayCase> {};

TEST_P(StartDelayTest, RoundsHalvesToEvenAndClampsToThe32BitRange) {
    EXPECT_EQ(StartDelayMilliseconds(GetParam().seconds), GetParam().milliseconds)
        << GetParam().seconds << " s";
}

constexpr std::int32_t longest = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Seconds, StartDelayTest,
    testing::Values(DelayCase{0, 0}, DelayCase{2.5, 2500}, DelayCase{3, 3000}, DelayCase{0.0005, 0},
                    DelayCase{0.0015, 2}, DelayCase{0.0025, 2}, DelayCase{0.0006, 1},
                    DelayCase{-1, 0}, DelayCase{-0.0, 0}, DelayCase{std::nan(""), 0},
                    DelayCase{2147483.647, longest}, DelayCase{2147483.648, longest},
                    DelayCase{1e308, longest},
                    DelayCase{std::numeric_limits<double>::infinity(), longest},
                    DelayCase{-std::numeric_limits<double>::infinity(), 0}));

class WaitTest : public testing::Test, protected fakes::KioskFixture {};

TEST_F(WaitTest, NothingOrLessReturnsAtOnce) {
    for (const std::int32_t milliseconds : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
        kiosk.wait(milliseconds);
    }
    EXPECT_EQ(pump.passes, 0);
    EXPECT_EQ(clock.now, 0U);
}

TEST_F(WaitTest, EndsAsSoonAsAHandledMessageClosesTheWindow) {
    pump.onPass = [this] { kiosk.onClosed(); };
    kiosk.wait(longest);
    EXPECT_EQ(pump.passes, 1);
    EXPECT_TRUE(pump.waits.empty()) << "no sleep after the window closed";
}

TEST_F(WaitTest, AQuitRequestEndsTheWaitInsteadOfWakingItAgainAndAgain) {
    pump.quitQueued = true;
    kiosk.wait(longest);
    EXPECT_EQ(pump.passes, 1);
    EXPECT_TRUE(pump.waits.empty());
}

TEST_F(WaitTest, TheTimeSpentHandlingMessagesCountsAsWaiting) {
    pump.onPass = [this] { clock.now += pump.passes == 1 ? 700 : 0; };
    kiosk.wait(1000);
    EXPECT_EQ(clock.now, 1000U) << "sleeps only what is left after the handling";
}

TEST_F(WaitTest, HandlesMessagesUntilTheTimeHasPassed) {
    clock.now = 5000;
    clock.stepPerRead = 100;
    kiosk.wait(1000);
    EXPECT_GE(pump.passes, 1);
    // The wait ends on the first reading at or past the end, and never sleeps past it.
    for (const std::uint32_t wait : pump.waits) {
        EXPECT_LE(wait, 1000U);
    }
    EXPECT_LE(clock.now, 5000U + 1000U + 2 * 100U);
    EXPECT_GE(clock.now, 6000U);
}

TEST_F(WaitTest, TheTickCountWrappingAroundDoesNotStretchOrCutTheWait) {
    clock.now = 0xFFFFFF00U;  // 256 ms before the counter wraps
    clock.stepPerRead = 10;
    kiosk.wait(3000);
    const std::uint32_t elapsed = clock.now - 0xFFFFFF00U;
    EXPECT_GE(elapsed, 3000U);
    EXPECT_LE(elapsed, 3100U);
}

TEST_F(WaitTest, TheLongestWaitEndsWhenItsTimeHasPassed) {
    clock.now = 123;
    kiosk.wait(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(clock.now - 123U,
              static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()));
}

}  // namespace
}  // namespace tal
