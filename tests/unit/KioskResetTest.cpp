// The one reset path: what each trigger does, in which order, and what it reports.
#include <algorithm>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class KioskResetTest : public testing::Test, protected fakes::KioskFixture {
protected:
    void startWith(const std::string& clearSession) {
        setting("StartPage", "http://start.example/");
        setting("ClearSession", clearSession);
        session.entries = {"http://start.example/", "Cookie:kiosk@start.example/"};
        kiosk.start();
        if (background.pending()) {
            background.finish();
        }
        log.calls.clear();
    }

    // The position of the first call that starts with `prefix`.
    std::ptrdiff_t at(const std::string& prefix) const {
        const auto found = std::find_if(log.calls.begin(), log.calls.end(), [&](const auto& call) {
            return call.rfind(prefix, 0) == 0;
        });
        return found == log.calls.end() ? -1 : found - log.calls.begin();
    }
};

TEST_F(KioskResetTest, WithClearSessionWindowsCloseAtOnceAndTheStartPageWaitsForTheWipe) {
    startWith("ON");
    const auto editor = desktop.addWindow({0, "Editor", "Notepad", true, 300});
    session.entries = {"http://visited.example/", "Cookie:kiosk@visited.example/",
                       "http://visited.example/locked"};
    session.inUse = {"http://visited.example/locked"};
    clock.stepPerRead = 7;

    const ResetReport report = kiosk.reset(ResetTrigger::button);

    EXPECT_EQ(report.trigger, ResetTrigger::button);
    EXPECT_EQ(report.windowsClosed, 1U) << editor;
    EXPECT_EQ(report.milliseconds, 14U) << "two reads of the clock after the first";
    EXPECT_LT(at("EnumWindows"), at("ReplaceBrowser"));
    EXPECT_LT(at("ReplaceBrowser"), at("BackgroundWork"));
    EXPECT_EQ(at("EndBrowserSession"), -1) << "the wipe is not the UI thread's";
    EXPECT_EQ(at("Navigate"), -1);
    EXPECT_TRUE(kiosk.wiping());

    background.finish();

    EXPECT_LT(at("DeleteUrlCacheEntry"), at("Navigate http://start.example/"));
    EXPECT_FALSE(kiosk.wiping());
    const std::string text = logStorage.text("C:\\Kiosk\\TAL.log");
    EXPECT_NE(text.find(" TAL reset trigger=button closed=1 ms=14\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(" TAL wipe deleted=2 left=1 ms=14\r\n")) << text;
}

TEST_F(KioskResetTest, WithoutClearSessionTheSessionAndTheControlStay) {
    startWith("off");
    kiosk.reset(ResetTrigger::screenSaver);
    EXPECT_EQ(at("ReplaceBrowser"), -1);
    EXPECT_EQ(at("BackgroundWork"), -1);
    EXPECT_THAT(session.entries,
                ElementsAre("http://start.example/", "Cookie:kiosk@start.example/"));
    EXPECT_EQ(log.calls.back(), "Navigate http://start.example/");
}

TEST_F(KioskResetTest, StartingWithClearSessionWipesWhatTheLastRunLeftBeforeTheFirstPage) {
    setting("StartPage", "http://start.example/");
    setting("ClearSession", "on");
    session.entries = {"Cookie:kiosk@left.example/"};
    kiosk.start();
    EXPECT_EQ(at("Navigate"), -1);
    background.finish();
    EXPECT_LT(at("SuppressCookiePersistence"), at("EndBrowserSession"));
    EXPECT_LT(at("DeleteUrlCacheEntry"), at("Navigate http://start.example/"));
    EXPECT_EQ(at("ReplaceBrowser"), -1) << "the control is new at start-up";
    EXPECT_THAT(session.entries, IsEmpty());
}

TEST_F(KioskResetTest, AResetWhileTheBrowserIsModalClosesTheBoxesAndRunsOnceItIsIdle) {
    startWith("on");
    view.modal = true;
    const ResetReport held = kiosk.reset(ResetTrigger::button);
    kiosk.reset(ResetTrigger::inactivity);
    EXPECT_TRUE(held.held);
    EXPECT_THAT(log.calls, ElementsAre("LeaveBrowserModal", "LeaveBrowserModal"))
        << "nothing else happens inside the control's call";

    view.modal = false;
    kiosk.onBrowserIdle();
    kiosk.onBrowserIdle();
    background.finish();
    EXPECT_EQ(log.startingWith("ReplaceBrowser").size(), 1U) << "one reset, once";
    EXPECT_THAT(log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"));
    const std::string lines = logStorage.text("C:\\Kiosk\\TAL.log");
    EXPECT_NE(lines.find(" TAL reset-held trigger=button\r\n"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("reset-held trigger=inactivity"), std::string::npos) << "held once";
    EXPECT_NE(lines.find(" TAL reset trigger=inactivity "), std::string::npos) << lines;
}

TEST_F(KioskResetTest,
       APressWhileTheWipeRunsClosesWindowsAtOnceAndWipesOnceMoreBeforeTheStartPage) {
    startWith("on");
    kiosk.reset(ResetTrigger::button);
    desktop.addWindow({0, "Opened meanwhile", "Notepad", true, 300});

    EXPECT_EQ(kiosk.reset(ResetTrigger::button).windowsClosed, 1U);
    EXPECT_EQ(log.startingWith("ReplaceBrowser").size(), 1U) << "the fresh control showed nothing";
    EXPECT_EQ(log.startingWith("BackgroundWork").size(), 1U) << "one wipe at a time";

    background.finish();
    EXPECT_EQ(log.startingWith("BackgroundWork").size(), 2U);
    EXPECT_EQ(at("Navigate"), -1);
    background.finish();
    EXPECT_THAT(log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"));
}

TEST_F(KioskResetTest, AKioskThatEndsWhileTheWipeRunsShowsNoPageAfterIt) {
    startWith("on");
    kiosk.reset(ResetTrigger::button);
    kiosk.onClosed();
    background.finish();
    EXPECT_EQ(at("Navigate"), -1);
}

class KioskIdleTest : public KioskResetTest {
protected:
    void SetUp() override {
        setting("IdleReset", "30");
        setting("IdleWarning", "5");
        input.times = {1000, 1000};
        startWith("off");
        kiosk.show();
        log.calls.clear();
    }

    void tickAt(std::uint32_t now) {
        input.times.now = now;
        kiosk.tick();
    }
};

TEST_F(KioskIdleTest, AfterInputAndSilenceTheWarningCountsDownThenTheResetComes) {
    input.times.lastInput = 2000;
    tickAt(2000 + 24000);
    tickAt(2000 + 25000);
    tickAt(2000 + 29000);
    tickAt(2000 + 30000);
    tickAt(2000 + 90000);
    EXPECT_THAT(log.startingWith("IdleWarning"), ElementsAre("IdleWarning 5", "IdleWarning 1"));
    EXPECT_THAT(log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"))
        << "one reset, and none while nobody touches the kiosk again";
    EXPECT_LT(at("HideIdleWarning"), at("Navigate"));
}

TEST_F(KioskIdleTest, InputDuringTheWarningOrItsButtonTakesItAway) {
    input.times.lastInput = 2000;
    tickAt(2000 + 26000);
    input.times.lastInput = 2000 + 27000;
    tickAt(2000 + 27500);
    EXPECT_THAT(log.startingWith("IdleWarning"), ElementsAre("IdleWarning 4"));
    EXPECT_EQ(at("HideIdleWarning"), 1);

    tickAt(2000 + 27000 + 26000);
    kiosk.continueSession();
    tickAt(2000 + 27000 + 31000);
    EXPECT_EQ(at("Navigate"), -1) << "the answer counts as input";
    EXPECT_EQ(log.startingWith("HideIdleWarning").size(), 2U);
}

TEST_F(KioskIdleTest, InputRightAfterTheWindowShowsIsAVisit) {
    input.times.lastInput = 1300;
    input.devices = fakes::FakeUserInput::PointerAt(10, 10);
    tickAt(2000);
    tickAt(1300 + 30000);
    EXPECT_THAT(log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"));
}

TEST_F(KioskIdleTest, TheSystemAnsweringTheWarningWithInputOfItsOwnDoesNotHoldOffTheReset) {
    input.times.lastInput = 2000;
    tickAt(2000 + 26000);
    input.times.lastInput = 2000 + 26000;  // the warning appeared under the mouse pointer
    tickAt(2000 + 27000);
    tickAt(2000 + 30000);
    EXPECT_THAT(log.startingWith("IdleWarning"), ElementsAre("IdleWarning 4", "IdleWarning 3"));
    EXPECT_EQ(log.startingWith("HideIdleWarning").size(), 1U) << "hidden by the reset only";
    EXPECT_THAT(log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"));

    input.times.lastInput = 2000 + 30000;  // the reset's own changes, answered the same way
    tickAt(2000 + 90000);
    EXPECT_EQ(log.startingWith("Navigate").size(), 1U) << "no visit, no further reset";
}

}  // namespace
}  // namespace tal
