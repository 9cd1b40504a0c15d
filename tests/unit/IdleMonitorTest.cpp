// When inactivity brings the kiosk back to its start, and how the seconds are read.
#include "kiosk/IdleMonitor.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace tal {
namespace {

struct SecondsCase {
    const char* name;
    std::string text;
    std::optional<std::uint32_t> milliseconds;
};

class SecondsSettingTest : public testing::TestWithParam<SecondsCase> {};

TEST_P(SecondsSettingTest, ReadsDecimalSecondsUpToADayAndNothingElse) {
    EXPECT_EQ(SecondsSettingMilliseconds(GetParam().text), GetParam().milliseconds)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SecondsSettingTest,
    testing::Values(SecondsCase{"whole", "120", 120000}, SecondsCase{"fraction", "0.5", 500},
                    SecondsCase{"blanks around", " 30 ", 30000}, SecondsCase{"zero", "0", 0},
                    SecondsCase{"beyond a day", "90000", 86400000},
                    SecondsCase{"empty", "", std::nullopt},
                    SecondsCase{"word", "abc", std::nullopt},
                    SecondsCase{"negative", "-5", std::nullopt},
                    SecondsCase{"exponent beyond double", "1e309", std::nullopt},
                    SecondsCase{"not a number", "nan", std::nullopt},
                    SecondsCase{"100 KB of digits", std::string(100 * 1024, '9'), std::nullopt},
                    SecondsCase{"double-byte digits", "\x82\x50\x82\x4f", std::nullopt}));

constexpr std::uint32_t resetAfter = 60000;
constexpr std::uint32_t warning = 10000;
using Kind = IdleStep::Kind;

struct IdleCase {
    const char* name;
    // The last input when the kiosk was last reset, and now.
    std::uint32_t lastInputAtReset;
    platform::InputTimes times;
    IdleStep expected;
};

class IdleStepTest : public testing::TestWithParam<IdleCase> {};

TEST_P(IdleStepTest, ResetsOnlyAfterInputAndLongEnoughWithout) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.resetDone({0, GetParam().lastInputAtReset});
    EXPECT_EQ(monitor.step(GetParam().times), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Moments, IdleStepTest,
    testing::Values(
        IdleCase{"untouched since the reset", 1000, {1000 + 10 * resetAfter, 1000}, {}},
        IdleCase{"used and still busy", 1000, {20000, 15000}, {}},
        IdleCase{"one second before the warning", 1000, {5000 + 49000, 5000}, {}},
        IdleCase{"warning starts", 1000, {5000 + 50000, 5000}, {Kind::warn, 10}},
        IdleCase{"part of a second is a whole one", 1000, {5000 + 59001, 5000}, {Kind::warn, 1}},
        IdleCase{"time is up", 1000, {5000 + 60000, 5000}, {Kind::reset, 0}},
        IdleCase{"tick wrapped since the input",
                 1000,
                 {resetAfter - 100, 0xFFFFFFFFU - 99},
                 {Kind::reset, 0}},
        IdleCase{"tick wrapped, still busy", 1000, {500, 0xFFFFFFFFU - 499}, {}},
        IdleCase{"input stamped in the future counts as now", 1000, {5000, 9000}, {}}));

TEST(IdleMonitorTest, OffAtZeroAndAWarningLongerThanTheWaitCoversItWhole) {
    IdleMonitor off(0, warning);
    off.resetDone({0, 0});
    EXPECT_EQ(off.step({resetAfter * 10, 1}), IdleStep{});

    IdleMonitor shortWait(5000, warning);
    shortWait.resetDone({0, 0});
    EXPECT_EQ(shortWait.step({1 + 1, 1}), (IdleStep{Kind::warn, 5}));
}

TEST(IdleMonitorTest, InputBeforeTheFirstStepBelongsToNoVisitor) {
    IdleMonitor monitor(resetAfter, warning);
    EXPECT_EQ(monitor.step({1000, 500}), IdleStep{}) << "the kiosk's own window appearing";
    EXPECT_EQ(monitor.step({500 + 10 * resetAfter, 500}), IdleStep{});
    EXPECT_EQ(monitor.step({600 + 10 * resetAfter, 600 + 10 * resetAfter - resetAfter}),
              (IdleStep{Kind::reset, 0}));
}

TEST(IdleMonitorTest, AnsweringTheWarningPostponesTheResetAsInputWould) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.resetDone({0, 0});
    monitor.continueSession({100000, 1000});
    EXPECT_EQ(monitor.step({100000 + 49000, 1000}), IdleStep{});
    EXPECT_EQ(monitor.step({100000 + 60000, 1000}), (IdleStep{Kind::reset, 0}));

    monitor.resetDone({160000, 1000});
    EXPECT_EQ(monitor.step({500000, 1000}), IdleStep{}) << "the answer belonged to the last visit";
}

TEST(IdleMonitorTest, InputThatEchoesTheKiosksOwnWindowChangeIsNoVisit) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.resetDone({1000, 1000});
    monitor.windowsChanged(1000, 1200);
    EXPECT_EQ(monitor.step({1000 + resetAfter * 2, 1200 + 500}), IdleStep{})
        << "the change echoed after a reset is not a visitor";

    // A visit, then the warning shows and the system answers that with input.
    ASSERT_EQ(monitor.step({5000 + 50000, 5000}), (IdleStep{Kind::warn, 10}));
    monitor.windowsChanged(55000, 55010);
    EXPECT_EQ(monitor.step({56000, 55010}), (IdleStep{Kind::warn, 9}));
    EXPECT_EQ(monitor.step({65000, 55010}), (IdleStep{Kind::reset, 0}));

    monitor.resetDone({65000, 55010});
    monitor.windowsChanged(65000, 65000);
    EXPECT_EQ(monitor.step({66000, 64999}), IdleStep{}) << "input from before the change";
    EXPECT_EQ(monitor.step({66000, 65501}), IdleStep{}) << "a person right after the echo";
    EXPECT_EQ(monitor.step({65501 + resetAfter, 65501}), (IdleStep{Kind::reset, 0}));
}

}  // namespace
}  // namespace tal
