// The supervision timer: resets, requests and the power-off minute.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "kiosk/ClockMinute.h"
#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class KioskTickTest : public testing::Test, protected fakes::KioskFixture {
protected:
    platform::WindowHandle foreign = 0;

    void SetUp() override {
        setting("StartPage", "http://start.example/");
        clock.time = {12, 0, 0};
        kiosk.start();
        foreign = desktop.addWindow({0, "Editor", "Notepad", true, 300});
        log.calls.clear();
    }

    // Runs one tick with the screen saver in the given state; true when it reset the kiosk.
    bool tick(bool screenSaverRunning) {
        screenSaver.running = screenSaverRunning;
        const int before = view.navigations;
        kiosk.tick();
        return view.navigations > before;
    }

    int shutdowns() const { return static_cast<int>(log.startingWith("ExitWindowsEx").size()); }
};

TEST_F(KioskTickTest, TheFirstTickAfterTheScreenSaverStopsResetsOnce) {
    const std::vector<bool> screenSaver{false, true, true, true, false, false, true, false, false};
    const std::vector<bool> expected{false, false, false, false, true, false, false, true, false};
    for (std::size_t i = 0; i < screenSaver.size(); ++i) {
        EXPECT_EQ(tick(screenSaver[i]), expected[i]) << "tick " << i;
    }
}

TEST_F(KioskTickTest, AResetClosesForeignWindowsThenNavigatesToTheStartPage) {
    ASSERT_FALSE(tick(true));
    ASSERT_TRUE(tick(false));
    EXPECT_THAT(log.startingWith("PostMessage"),
                ElementsAre("PostMessage " + std::to_string(foreign) + " 18"));
    EXPECT_EQ(log.calls.back(), "Navigate http://start.example/");
    EXPECT_LT(std::find(log.calls.begin(), log.calls.end(), "EnumWindows"),
              std::find(log.calls.begin(), log.calls.end(), "Navigate http://start.example/"));
}

TEST_F(KioskTickTest, NothingHappensWithoutAScreenSaverOrARequest) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(tick(false));
    }
    EXPECT_THAT(desktop.posted(), IsEmpty());
}

class PowerOffTickTest : public testing::Test, protected fakes::KioskFixture {
protected:
    int shutdownsAt(const platform::TimeOfDay& time) {
        clock.time = time;
        const auto before = log.startingWith("ExitWindowsEx").size();
        kiosk.tick();
        return static_cast<int>(log.startingWith("ExitWindowsEx").size() - before);
    }
};

TEST_F(PowerOffTickTest, ShutsDownOnEveryTickOfThePowerOffMinuteOnly) {
    setting("TimeToShutdown", "18:00");
    kiosk.start();
    EXPECT_EQ(shutdownsAt({17, 59, 59}), 0);
    EXPECT_EQ(shutdownsAt({18, 0, 0}), 1);
    EXPECT_EQ(shutdownsAt({18, 0, 30}), 1);
    EXPECT_EQ(shutdownsAt({18, 0, 59}), 1);
    EXPECT_EQ(shutdownsAt({18, 1, 0}), 0);
    EXPECT_EQ(shutdownsAt({6, 0, 0}), 0);
}

TEST_F(PowerOffTickTest, AStartWithinThePowerOffMinuteShutsDownAtTheFirstTick) {
    setting("TimeToShutdown", "09:30");
    clock.time = {9, 30, 20};
    kiosk.start();
    EXPECT_EQ(shutdownsAt({9, 30, 21}), 1);
}

TEST_F(PowerOffTickTest, AnEmptyOrMissingPowerOffTimeNeverMatches) {
    kiosk.start();
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(shutdownsAt({hour, 0, 0}), 0);
    }
}

TEST_F(PowerOffTickTest, AFailedShutdownStillLetsTheTickReset) {
    setting("TimeToShutdown", "18:00");
    kiosk.start();
    shutdown.failure = 1314;
    screenSaver.running = true;
    EXPECT_EQ(shutdownsAt({17, 59, 59}), 0);
    screenSaver.running = false;
    EXPECT_EQ(shutdownsAt({18, 0, 0}), 1);
    EXPECT_THAT(messageBoxes.shown, ElementsAre(fakes::ShownMessageBox{"1314", "TAL", 0}));
    EXPECT_EQ(view.navigations, 2) << "start-up and the reset";
}

TEST_F(PowerOffTickTest, TicksWhileTheErrorBoxIsOpenDoNothing) {
    setting("TimeToShutdown", "18:00");
    kiosk.start();
    shutdown.failure = 5;
    clock.time = {18, 0, 0};
    int nestedTicks = 0;
    messageBoxes.whileOpen = [&] {
        // The box's own message loop delivers further ticks of the same minute.
        for (int i = 0; i < 3; ++i) {
            ++nestedTicks;
            kiosk.tick();
        }
    };
    kiosk.tick();
    EXPECT_EQ(nestedTicks, 3);
    EXPECT_EQ(messageBoxes.shown.size(), 1U) << "one box at a time";

    messageBoxes.whileOpen = nullptr;
    kiosk.tick();
    EXPECT_EQ(messageBoxes.shown.size(), 2U) << "the next tick of the minute tries again";
}

struct ClockCase {
    platform::TimeOfDay time;
    const char* stored;
    bool matches;
};

class IsClockMinuteTest : public testing::TestWithParam<ClockCase> {};

TEST_P(IsClockMinuteTest, ComparesTwoDigitTwentyFourHourText) {
    const auto& c = GetParam();
    EXPECT_EQ(IsClockMinute(c.time, c.stored), c.matches)
        << c.time.hour << ":" << c.time.minute << " against \"" << c.stored << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Times, IsClockMinuteTest,
    testing::Values(ClockCase{{9, 30, 0}, "09:30", true}, ClockCase{{9, 30, 59}, "09:30", true},
                    ClockCase{{9, 30, 0}, "9:30", false}, ClockCase{{18, 0, 0}, "18:00", true},
                    ClockCase{{6, 0, 0}, "18:00", false}, ClockCase{{0, 0, 0}, "00:00", true},
                    ClockCase{{23, 59, 59}, "23:59", true}, ClockCase{{18, 0, 0}, "", false},
                    ClockCase{{18, 0, 0}, "18:00:00", false}, ClockCase{{18, 0, 0}, "18:0", false},
                    ClockCase{{18, 0, 0}, " 18:00", false}, ClockCase{{18, 0, 0}, "18.00", false}));

}  // namespace
}  // namespace tal
