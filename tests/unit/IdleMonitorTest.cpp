// When inactivity brings the kiosk back to its start, and how the seconds are read.
#include "kiosk/IdleMonitor.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/FakeUserInput.h"

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

// A step with the pointer resting and nothing pressed.
IdleStep Step(IdleMonitor& monitor, const platform::InputTimes& times) {
    fakes::FakeUserInput input;
    input.times = times;
    return monitor.step(input);
}

class IdleStepTest : public testing::TestWithParam<IdleCase> {};

TEST_P(IdleStepTest, ResetsOnlyAfterInputAndLongEnoughWithout) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.takeBaseline({0, GetParam().lastInputAtReset});
    EXPECT_EQ(Step(monitor, GetParam().times), GetParam().expected) << GetParam().name;
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
    off.takeBaseline({0, 0});
    EXPECT_EQ(Step(off, {resetAfter * 10, 1}), IdleStep{});

    IdleMonitor shortWait(5000, warning);
    shortWait.takeBaseline({0, 0});
    EXPECT_EQ(Step(shortWait, {1 + 1, 1}), (IdleStep{Kind::warn, 5}));
}

TEST(IdleMonitorTest, NothingIsWatchedBeforeTheBaselineAndAFutureStampAgesFromItsFirstStep) {
    IdleMonitor monitor(resetAfter, warning);
    EXPECT_EQ(Step(monitor, {500 + 10 * resetAfter, 500}), IdleStep{}) << "no window shown yet";

    monitor.takeBaseline({1000, 1000});
    EXPECT_EQ(Step(monitor, {5000, 9000}), IdleStep{}) << "stamped ahead of the step";
    EXPECT_EQ(Step(monitor, {5000 + resetAfter, 9000}), (IdleStep{Kind::reset, 0}));
}

TEST(IdleMonitorTest, AnsweringTheWarningPostponesTheResetAsInputWould) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.takeBaseline({0, 0});
    monitor.continueSession({100000, 1000});
    EXPECT_EQ(Step(monitor, {100000 + 49000, 1000}), IdleStep{});
    EXPECT_EQ(Step(monitor, {100000 + 60000, 1000}), (IdleStep{Kind::reset, 0}));

    monitor.takeBaseline({160000, 1000});
    EXPECT_EQ(Step(monitor, {500000, 1000}), IdleStep{}) << "the answer belonged to the last visit";
}

// Input first read a reset's wait after the kiosk changed its windows between 10000 and 10010
// with the pointer resting: the system's echo of the change is no visit, a person's input is.
struct EchoCase {
    const char* name;
    std::uint32_t lastInput;
    platform::InputDevices devices;
    bool visit;
};

const platform::InputDevices resting = fakes::FakeUserInput::PointerAt(640, 512);

platform::InputDevices Holding(std::size_t key) {
    platform::InputDevices devices = resting;
    devices.held.set(key);
    return devices;
}

platform::InputDevices Tapped() {
    platform::InputDevices devices = resting;
    devices.pressedSinceLastReading = true;
    return devices;
}

class EchoTest : public testing::TestWithParam<EchoCase> {};

TEST_P(EchoTest, OnlyInputThatLeftPointerKeysAndButtonsAsTheyWereIsTheEcho) {
    IdleMonitor monitor(resetAfter, warning);
    monitor.takeBaseline({1000, 1000});
    monitor.windowsChanged(10000, 10010, resting);
    fakes::FakeUserInput input;
    input.times = {GetParam().lastInput + resetAfter, GetParam().lastInput};
    input.devices = GetParam().devices;
    EXPECT_EQ(monitor.step(input), (GetParam().visit ? IdleStep{Kind::reset, 0} : IdleStep{}))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EchoTest,
    testing::Values(EchoCase{"pointer resting, nothing pressed", 10200, resting, false},
                    EchoCase{"at the end of the echo span", 10010 + 500, resting, false},
                    EchoCase{"pointer moved a pixel", 10200,
                             fakes::FakeUserInput::PointerAt(641, 512), true},
                    EchoCase{"a key held down", 10200, Holding(0x41), true},
                    EchoCase{"a tap, down and up again", 10200, Tapped(), true},
                    EchoCase{"pointer position unknown", 10200, platform::InputDevices(), true},
                    EchoCase{"after the echo span", 10010 + 501, resting, true},
                    EchoCase{"before the change", 9999, resting, true}));

// The main window shows, and the button window is shown again once the start-up's messages are
// handled, before the main window's echo arrives.
TEST(IdleMonitorTest, AChangeWhileTheLastMayStillEchoExtendsIt) {
    for (const bool tappedBetween : {false, true}) {
        IdleMonitor monitor(resetAfter, warning);
        monitor.takeBaseline({1000, 1000});
        monitor.windowsChanged(10000, 10010, resting);
        monitor.windowsChanged(10300, 10310, tappedBetween ? Tapped() : resting);
        EXPECT_EQ(Step(monitor, {10200 + resetAfter, 10200}),
                  (tappedBetween ? IdleStep{Kind::reset, 0} : IdleStep{}))
            << tappedBetween;
    }
}

}  // namespace
}  // namespace tal
