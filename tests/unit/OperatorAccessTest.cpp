// The operator's way in: the PIN and its lock-out on a fake clock, the taps in the corner, and what
// the kiosk does with the menu's choices.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "kiosk/CornerTaps.h"
#include "kiosk/OperatorAccess.h"
#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using Lines = std::vector<std::string>;
constexpr std::uint32_t minute = 60'000;

// The stored hash of `digits` as the fake derives it.
std::string StoredPin(const char* digits) {
    fakes::FakeCryptography crypto;
    return FormatPinHash(*HashPin(digits, crypto));
}

const std::string settingsLog = "C:\\Kiosk\\TAL.log";

class OperatorPinTest : public testing::Test {
protected:
    fakes::FakeLogStorage storage;
    fakes::FakeCalendar calendar;
    EventLog log{storage, calendar, "TAL"};
    fakes::FakeCryptography crypto;
    OperatorAccess access{log, crypto};

    OperatorMenuPage submit(const char* digits, std::uint32_t now) {
        return access.submit(digits, now).page;
    }
    Lines outcomes() {
        log.flush(0);
        return fakes::LoggedEvents(storage.text("C:\\Kiosk\\TAL.log"), "operator ");
    }
};

TEST_F(OperatorPinTest, FiveWrongPinsInARowLockTheMenuForFiveMinutes) {
    access.configure(StoredPin("24680"));
    ASSERT_TRUE(access.open(0));
    for (int wrong = 1; wrong <= 4; ++wrong) {
        EXPECT_EQ(submit("1111", wrong * 1000), OperatorMenuPage::wrongPin);
    }
    EXPECT_EQ(submit("24680", 5000), OperatorMenuPage::choices) << "four do not lock";
    ASSERT_TRUE(access.open(6000));
    for (int wrong = 1; wrong <= 4; ++wrong) {
        submit("1111", 6000);
    }
    const OperatorMenuState locked = access.submit("1111", 7000);
    EXPECT_EQ(locked.page, OperatorMenuPage::locked);
    EXPECT_EQ(locked.minutesLeft, 5U);
    const int derivations = crypto.derivations;
    // The right PIN and a thousand presses meanwhile find the lock, and cost no derivation.
    for (int press = 0; press < 1000; ++press) {
        EXPECT_EQ(submit("24680", 7000 + minute), OperatorMenuPage::locked);
    }
    EXPECT_EQ(crypto.derivations, derivations);
    const std::optional<OperatorMenuState> reopened = access.open(7000 + 4 * minute + 1);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->page, OperatorMenuPage::locked);
    EXPECT_EQ(reopened->minutesLeft, 1U) << "rounded up";
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(submit("24680", 7000 + 5 * minute), OperatorMenuPage::choices);
    EXPECT_TRUE(access.unlocked());
    EXPECT_EQ(outcomes(),
              (Lines{"operator outcome=wrong", "operator outcome=wrong", "operator outcome=wrong",
                     "operator outcome=wrong", "operator outcome=ok", "operator outcome=wrong",
                     "operator outcome=wrong", "operator outcome=wrong", "operator outcome=wrong",
                     "operator outcome=wrong", "operator outcome=locked", "operator outcome=locked",
                     "operator outcome=ok"}));
}

TEST_F(OperatorPinTest, ASystemFailureIsNoWrongPinAndABadHashGivesNoMenu) {
    access.configure(StoredPin("24680"));
    ASSERT_TRUE(access.open(0));
    crypto.fails = true;
    for (int press = 0; press < 10; ++press) {
        EXPECT_EQ(submit("24680", 0), OperatorMenuPage::wrongPin);
    }
    crypto.fails = false;
    EXPECT_EQ(submit("24680", 0), OperatorMenuPage::choices) << "no lock from the failures";
    EXPECT_EQ(outcomes().size(), 1U);

    for (const char* malformed : {"pbkdf2-sha256$0$00", "24680"}) {
        access.configure(malformed);
        EXPECT_FALSE(access.enabled());
        EXPECT_FALSE(access.open(0));
    }
    access.configure("");
    log.flush(0);
    const std::string text = storage.text("C:\\Kiosk\\TAL.log");
    Lines expected(10, "operator-pin-failed status=0xC0000001");
    expected.insert(expected.end(), {"operator-pin-malformed fault=iterations",
                                     "operator-pin-malformed fault=prefix"});
    EXPECT_EQ(fakes::LoggedEvents(text, "operator-pin"), expected);
}

TEST_F(OperatorPinTest, TheMenuGoesAfterAMinuteWithoutInput) {
    access.configure(StoredPin("24680"));
    ASSERT_TRUE(access.open(10'000));
    // The press that opened it lies before the opening.
    EXPECT_FALSE(access.idleTooLong({10'000 + minute - 1, 9'000}));
    EXPECT_TRUE(access.idleTooLong({10'000 + minute, 9'000}));
    EXPECT_FALSE(access.idleTooLong({10'000 + minute, 40'000})) << "typing keeps it";
    EXPECT_TRUE(access.idleTooLong({40'000 + minute, 40'000}));
    access.close();
    EXPECT_FALSE(access.idleTooLong({40'000 + minute, 40'000}));
}

struct TapCase {
    const char* name;
    // x, y and the time of each press.
    std::vector<std::array<std::int32_t, 3>> presses;
    // The presses that complete the gesture, counted from 0.
    std::vector<int> gestures;
};

class CornerTapsTest : public testing::TestWithParam<TapCase> {};

TEST_P(CornerTapsTest, FiveTapsWithinThreeSecondsInTheTopLeftCorner) {
    CornerTaps taps;
    std::vector<int> gestures;
    for (std::size_t at = 0; at < GetParam().presses.size(); ++at) {
        const auto& [x, y, time] = GetParam().presses[at];
        if (taps.press(x, y, static_cast<std::uint32_t>(time))) {
            gestures.push_back(static_cast<int>(at));
        }
    }
    EXPECT_EQ(gestures, GetParam().gestures);
}

INSTANTIATE_TEST_SUITE_P(
    Taps, CornerTapsTest,
    testing::Values(
        TapCase{"FiveWithinThreeSeconds",
                {{0, 0, 0}, {79, 79, 700}, {10, 10, 1400}, {5, 70, 2100}, {40, 40, 3000}},
                {4}},
        TapCase{"FiveOverMoreThanThreeSeconds",
                {{0, 0, 0}, {1, 1, 800}, {1, 1, 1600}, {1, 1, 2400}, {1, 1, 3001}},
                {}},
        TapCase{"TheLatestFiveCount",
                {{0, 0, 0}, {1, 1, 800}, {1, 1, 1600}, {1, 1, 2400}, {1, 1, 3001}, {1, 1, 3100}},
                {5}},
        TapCase{"OnePixelOutsideBreaksTheSeries",
                {{1, 1, 0}, {1, 1, 100}, {80, 1, 200}, {1, 1, 300}, {1, 1, 400}, {1, 1, 500}},
                {}},
        TapCase{"TheCountStartsAfreshAfterAGesture",
                {{1, 1, 0}, {1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 4}, {1, 1, 5}, {1, 1, 6}},
                {4}},
        TapCase{"AcrossTheTicksWrapAround",
                {{1, 1, -2000}, {1, 1, -1000}, {1, 1, 0}, {1, 1, 500}, {1, 1, 900}},
                {4}},
        TapCase{"ANegativeCoordinateOfASecondScreenIsOutside",
                {{-1, 1, 0}, {-1, 1, 1}, {-1, 1, 2}, {-1, 1, 3}, {-1, 1, 4}},
                {}}),
    [](const testing::TestParamInfo<TapCase>& info) { return std::string(info.param.name); });

struct ChoiceCase {
    const char* name;
    bool watchdog;
    // Whether the right PIN was entered first.
    bool unlocked;
    OperatorChoice choice;
    // The platform calls from the choice on, and TAL.log's events after the PIN's.
    Lines calls;
    Lines events;
};

class OperatorChoiceTest : public testing::TestWithParam<ChoiceCase>,
                           protected fakes::KioskFixture {};

TEST_P(OperatorChoiceTest, IsCarriedOutOnlyAfterTheRightPin) {
    const ChoiceCase& c = GetParam();
    setting("OperatorPin", StoredPin("24680"));
    succession.watchdog = c.watchdog;
    kiosk.start();
    kiosk.openOperatorMenu();
    if (c.unlocked) {
        kiosk.submitOperatorPin("24680");
    }
    eventLog.flush(0);
    const std::size_t before = fakes::LoggedEvents(logStorage.text(settingsLog)).size();
    log.calls.clear();

    kiosk.chooseOperatorAction(c.choice);

    EXPECT_EQ(log.calls, c.calls);
    eventLog.flush(0);
    const Lines events = fakes::LoggedEvents(logStorage.text(settingsLog));
    EXPECT_EQ(Lines(events.begin() + static_cast<std::ptrdiff_t>(before), events.end()), c.events);
}

const Lines hidden{"HideOperatorMenu"};

INSTANTIATE_TEST_SUITE_P(
    Choices, OperatorChoiceTest,
    testing::Values(
        ChoiceCase{"ExitStopsTheWatchdogFirst",
                   true,
                   true,
                   OperatorChoice::exit,
                   {"HideOperatorMenu", "SetEvent watchdog stop", "Close"},
                   {"operator outcome=exit"}},
        ChoiceCase{"ExitWithoutAWatchdogEndsTheKiosk", false, true, OperatorChoice::exit,
                   Lines{"HideOperatorMenu", "Close"}, Lines{"operator outcome=exit"}},
        ChoiceCase{"TheSettingsToolStartsFromTheKiosksFolder",
                   false,
                   true,
                   OperatorChoice::settingsTool,
                   {"HideOperatorMenu", "CreateProcess C:\\Kiosk\\settal.exe in C:\\Kiosk"},
                   {"operator outcome=settings"}},
        ChoiceCase{"RestartWithTheWatchdogEndsWithTheRestartCode",
                   true,
                   true,
                   OperatorChoice::restart,
                   {"HideOperatorMenu", "Close"},
                   {"operator outcome=restart", "restart reason=operator"}},
        ChoiceCase{"AChoiceBeforeThePinOnlyClosesTheMenu", true, false, OperatorChoice::exit,
                   hidden, Lines{}},
        ChoiceCase{"CloseLogsNothing", false, true, OperatorChoice::close, hidden, Lines{}}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

class OperatorMenuTest : public testing::Test, protected fakes::KioskFixture {};

TEST_F(OperatorMenuTest, ClosesAtAResetAndTheStartLineHidesTheHash) {
    const std::string stored = StoredPin("24680");
    setting("OperatorPin", stored);
    kiosk.start();
    EXPECT_TRUE(kiosk.hearsOperator());
    log.calls.clear();
    kiosk.openOperatorMenu();
    kiosk.submitOperatorPin("13579");
    kiosk.reset(ResetTrigger::button);
    ASSERT_GE(log.calls.size(), 3U);
    EXPECT_EQ(Lines(log.calls.begin(), log.calls.begin() + 3),
              (Lines{"OperatorMenu pin", "OperatorMenu wrong", "HideOperatorMenu"}));
    eventLog.flush(0);
    const std::string text = logStorage.text(settingsLog);
    EXPECT_NE(text.find(" OperatorPin=set "), std::string::npos);
    EXPECT_EQ(text.find(stored.substr(20)), std::string::npos);
}

}  // namespace
}  // namespace tal
