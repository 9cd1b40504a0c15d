#include "watchdog/Watchdog.h"

#include "watchdog/KioskWindow.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/ExitCodes.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeKiosks.h"
#include "tests/fakes/FakeLogStorage.h"
#include "tests/fakes/FakeNotices.h"
#include "tests/fakes/FakeProcess.h"
#include "tests/fakes/FakeProfileFile.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeWatchdogSignals.h"

namespace tal::watchdog {
namespace {

using fakes::KioskScript;
using fakes::TimedWake;
using platform::Wake;

// The log's clock is the fake tick count, from midnight.
class TickCalendar : public platform::Calendar {
public:
    explicit TickCalendar(fakes::FakeClock& clock) : clock_(clock) {}
    platform::LocalDateTime localNow() override {
        const std::uint32_t seconds = clock_.now / 1000;
        return {2026,
                12,
                7,
                static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60),
                540};
    }

private:
    fakes::FakeClock& clock_;
};

// Each show and hide with the fake clock's whole second, as "36 hide".
class RecordedCover : public platform::ScreenCover {
public:
    explicit RecordedCover(fakes::FakeClock& clock) : clock_(clock) {}
    std::vector<std::string> calls;
    void show() override { calls.push_back(std::to_string(clock_.now / 1000) + " show"); }
    void hide() override { calls.push_back(std::to_string(clock_.now / 1000) + " hide"); }

private:
    fakes::FakeClock& clock_;
};

struct Scenario {
    const char* name;
    // HangSeconds in TAL.ini; null: no such key.
    const char* hangSeconds;
    std::vector<KioskScript> kiosks;
    std::vector<TimedWake> events;
    // The log, each line as "HH:MM:SS event details".
    std::vector<std::string> log;
    std::vector<std::string> cover = {};
    int exitCode = exit_code::watchdogStopped;
    std::size_t notices = 0;
    // When GetSystemMetrics(SM_SHUTTINGDOWN) reads non-zero.
    std::uint32_t shutdownFrom = 0;
    std::uint32_t shutdownUntil = 0;
};

class WatchdogTest : public testing::TestWithParam<Scenario> {
protected:
    fakes::CallLog calls;
    fakes::FakeClock clock;
    fakes::FakeDesktop desktop{calls};
    fakes::FakeKiosks kiosks{clock, desktop, calls};
    fakes::FakeWatchdogSignals signals{clock, kiosks};
    fakes::FakeProcess process;
    fakes::FakeProfileFile profile{calls};
    fakes::FakeRegistry registry{calls};
    fakes::FakeNotices notices;
    RecordedCover cover{clock};
    fakes::FakeLogStorage storage;
    TickCalendar calendar{clock};
    EventLog log{storage, calendar, "talwatch"};

    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        const std::string text = storage.text("C:\\Kiosk\\TAL.log");
        const std::string prefix = "2026-12-07T";
        const std::string program = "+09:00 talwatch ";
        for (std::size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos;
             begin = end + 2) {
            std::string line = text.substr(begin, end - begin);
            if (line.starts_with(prefix) &&
                line.substr(prefix.size() + 8, program.size()) == program) {
                line = line.substr(prefix.size(), 8) + " " +
                       line.substr(prefix.size() + 8 + program.size());
            }
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_P(WatchdogTest, LogsEveryStepOfItsWatch) {
    const Scenario& scenario = GetParam();
    if (scenario.hangSeconds != nullptr) {
        profile.set("C:\\Kiosk\\TAL.ini", "CONFIG", "HangSeconds", scenario.hangSeconds);
    }
    kiosks.scripts.assign(scenario.kiosks.begin(), scenario.kiosks.end());
    signals.events.assign(scenario.events.begin(), scenario.events.end());
    signals.shutdownFrom = scenario.shutdownFrom;
    signals.shutdownUntil = scenario.shutdownUntil;
    Watchdog watchdog(
        {kiosks, signals, desktop, kiosks, clock, process, profile, registry, notices, cover, log});

    EXPECT_EQ(watchdog.run(), scenario.exitCode);
    EXPECT_FALSE(signals.ranOut) << "the watch did not end";
    EXPECT_EQ(logLines(), scenario.log);
    EXPECT_EQ(notices.shown.size(), scenario.notices);
    EXPECT_EQ(cover.calls, scenario.cover);
    for (const std::string& call : calls.startingWith("CreateProcess")) {
        EXPECT_EQ(call, "CreateProcess C:\\Kiosk\\TAL.exe in C:\\Kiosk");
    }
}

constexpr std::uint32_t second = 1000;
KioskScript EndsAfter(std::uint32_t milliseconds, std::uint32_t code) {
    KioskScript script;
    script.runsFor = milliseconds;
    script.exitCode = code;
    return script;
}
KioskScript HangsAfter(std::uint32_t milliseconds) {
    KioskScript script;
    script.hangsAfter = milliseconds;
    return script;
}
KioskScript Missing() {
    KioskScript script;
    script.missing = true;
    return script;
}
KioskScript WithoutWindow() {
    KioskScript script;
    script.hasWindow = false;
    return script;
}
KioskScript IgnoringClose() {
    KioskScript script;
    script.closesOnRequest = false;
    return script;
}
KioskScript FailingTerminations(KioskScript script, int failures) {
    script.failedTerminations = failures;
    return script;
}
TimedWake At(std::uint32_t milliseconds, Wake wake) {
    return {milliseconds, wake};
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WatchdogTest,
    testing::Values(
        Scenario{"ACrashedKioskStartsAgainAtOnceAndAStopClosesIt",
                 nullptr,
                 {EndsAfter(3 * second, 0xC0000005)},
                 {At(10 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:03 kiosk-exit pid=101 code=0xC0000005",
                  "00:00:03 restart reason=exit wait=0", "00:00:03 kiosk-start pid=102",
                  "00:00:10 kiosk-exit pid=102 code=0", "00:00:10 stop kiosk=closed code=0"}},
        Scenario{"ARefusalWaitsAMinute",
                 nullptr,
                 {EndsAfter(second / 2, exit_code::kioskRefused)},
                 {At(65 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:00 kiosk-exit pid=101 code=75", "00:00:00 restart reason=refused wait=60",
                  "00:01:00 kiosk-start pid=102", "00:01:05 kiosk-exit pid=102 code=0",
                  "00:01:05 stop kiosk=closed code=0"},
                 {"0 show", "60 hide"}},
        Scenario{"TheKiosksRestartCodeStartsItAgainAtOnce",
                 nullptr,
                 {EndsAfter(3 * second, exit_code::kioskRestart)},
                 {At(10 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:03 kiosk-exit pid=101 code=76", "00:00:03 restart reason=requested wait=0",
                  "00:00:03 kiosk-start pid=102", "00:00:10 kiosk-exit pid=102 code=0",
                  "00:00:10 stop kiosk=closed code=0"}},
        Scenario{"AWindowSilentForHangSecondsEndsTheKioskAndStartsItAgain",
                 "10",
                 {HangsAfter(12 * second)},
                 {At(30 * second, Wake::stopRequested)},
                 // Answers at 5 s and 10 s; the probe at 15 s waits its 5 s in vain.
                 {"00:00:00 start pid=4242 hang=10", "00:00:00 kiosk-start pid=101",
                  "00:00:20 hang pid=101 silent=10", "00:00:20 kiosk-exit pid=101 code=57005",
                  "00:00:20 restart reason=hang wait=0", "00:00:20 kiosk-start pid=102",
                  "00:00:30 kiosk-exit pid=102 code=0", "00:00:30 stop kiosk=closed code=0"}},
        Scenario{"TheDefaultAllowanceIsThirtySeconds",
                 "not a number",
                 {HangsAfter(2 * second)},
                 {At(60 * second, Wake::stopRequested)},
                 // Unanswered probes end at 10, 20 and 30 s.
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:30 hang pid=101 silent=30", "00:00:30 kiosk-exit pid=101 code=57005",
                  "00:00:30 restart reason=hang wait=0", "00:00:30 kiosk-start pid=102",
                  "00:01:00 kiosk-exit pid=102 code=0", "00:01:00 stop kiosk=closed code=0"}},
        Scenario{"AKioskAliveWithoutItsWindowIsAnErrorEndedWithBackOff",
                 "10",
                 {WithoutWindow()},
                 {At(45 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=10", "00:00:00 kiosk-start pid=101",
                  "00:00:10 kiosk-error pid=101", "00:00:10 kiosk-exit pid=101 code=57005",
                  "00:00:10 backoff reason=error seconds=30", "00:00:40 kiosk-start pid=102",
                  "00:00:45 kiosk-exit pid=102 code=0", "00:00:45 stop kiosk=closed code=0"},
                 {"10 show", "40 hide"}},
        Scenario{"AFailedTerminationIsLoggedAndTriedAgainAtTheNextCheck",
                 "10",
                 {FailingTerminations(HangsAfter(2 * second), 1)},
                 {At(20 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=10", "00:00:00 kiosk-start pid=101",
                  "00:00:10 hang pid=101 silent=10", "00:00:10 terminate-failed pid=101 error=5",
                  "00:00:15 kiosk-exit pid=101 code=57005", "00:00:15 restart reason=hang wait=0",
                  "00:00:15 kiosk-start pid=102", "00:00:20 kiosk-exit pid=102 code=0",
                  "00:00:20 stop kiosk=closed code=0"}},
        Scenario{"AStopThatCannotEndTheKioskSaysItIsLeft",
                 nullptr,
                 {FailingTerminations(IgnoringClose(), 1)},
                 {At(3 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:08 terminate-failed pid=101 error=5", "00:00:08 stop kiosk=left code=0"}},
        Scenario{"AKioskThatIgnoresTheCloseIsEndedAfterFiveSeconds",
                 nullptr,
                 {IgnoringClose()},
                 {At(3 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:08 stop kiosk=terminated code=0"}},
        Scenario{"WhileTheSessionEndsNothingRestartsUnlessTheEndIsCancelled",
                 nullptr,
                 {EndsAfter(6 * second, 0)},
                 {At(5 * second, Wake::sessionEnding), At(5 * second, Wake::sessionEnding),
                  At(20 * second, Wake::sessionContinues), At(30 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:05 session-end", "00:00:06 kiosk-exit pid=101 code=0",
                  "00:00:20 session-resume", "00:00:20 kiosk-start pid=102",
                  "00:00:30 kiosk-exit pid=102 code=0", "00:00:30 stop kiosk=closed code=0"}},
        Scenario{"NoHangIsCalledWhileTheSessionEnds",
                 "10",
                 {HangsAfter(second)},
                 {At(2 * second, Wake::sessionEnding), At(40 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=10", "00:00:00 kiosk-start pid=101",
                  "00:00:02 session-end", "00:00:45 stop kiosk=terminated code=0"}},
        Scenario{"AKioskThatEndsWhileTheSystemShutsDownStartsOnlyOnceTheShutdownIsOff",
                 nullptr,
                 {EndsAfter(6 * second, 0)},
                 {At(40 * second, Wake::stopRequested)},
                 // No session message came: the system's word is read again every 5 s.
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start pid=101",
                  "00:00:06 kiosk-exit pid=101 code=0", "00:00:06 session-end",
                  "00:00:21 session-resume", "00:00:21 kiosk-start pid=102",
                  "00:00:40 kiosk-exit pid=102 code=0", "00:00:40 stop kiosk=closed code=0"},
                 {},
                 exit_code::watchdogStopped,
                 0,
                 5 * second,
                 21 * second},
        Scenario{"AStartDueWhileTheSystemShutsDownIsNotMade",
                 nullptr,
                 {Missing()},
                 {At(60 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start-failed error=2",
                  "00:00:00 backoff reason=failed seconds=30", "00:00:30 session-end",
                  "00:01:00 stop kiosk=none code=2"},
                 {"0 show", "60 hide"},
                 exit_code::watchdogCannotStartKiosk,
                 1,
                 20 * second,
                 0xFFFFFFFF},
        Scenario{
            "AMissingKioskIsReportedOnceAndTriedWithBackOff",
            nullptr,
            {Missing(), Missing()},
            {At(100 * second, Wake::stopRequested)},
            {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start-failed error=2",
             "00:00:00 backoff reason=failed seconds=30", "00:00:30 kiosk-start-failed error=2",
             "00:00:30 backoff reason=failed seconds=60", "00:01:30 kiosk-start pid=101",
             "00:01:40 kiosk-exit pid=101 code=0", "00:01:40 stop kiosk=closed code=0"},
            {"0 show", "90 hide"},
            exit_code::watchdogStopped,
            1},
        Scenario{"StoppedWhileTheKioskCannotStartItSaysSo",
                 nullptr,
                 {Missing()},
                 {At(10 * second, Wake::stopRequested)},
                 {"00:00:00 start pid=4242 hang=30", "00:00:00 kiosk-start-failed error=2",
                  "00:00:00 backoff reason=failed seconds=30", "00:00:10 stop kiosk=none code=2"},
                 {"0 show", "10 hide"},
                 exit_code::watchdogCannotStartKiosk,
                 1}),
    [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

class WatchdogProbeTest : public WatchdogTest {};

TEST_F(WatchdogProbeTest, ProbesTheKiosksWindowEveryFiveSecondsWithTheNullMessage) {
    signals.events = {At(21 * second, Wake::stopRequested)};
    Watchdog watchdog(
        {kiosks, signals, desktop, kiosks, clock, process, profile, registry, notices, cover, log});
    watchdog.run();
    EXPECT_EQ(calls.startingWith("SendMessageTimeout"),
              std::vector<std::string>(4, "SendMessageTimeout 0 2 5000"));
    EXPECT_EQ(desktop.posted(),
              (std::vector<fakes::PostedMessage>{
                  {kiosks.started.at(0)->window, platform::window_message::close}}));
}

TEST_F(WatchdogProbeTest, AnotherProcesssWindowOfTheSameTitleIsNotTheKiosks) {
    desktop.addWindowOnTop({0, "Varnolt", "TALMain", true, 9999});
    desktop.addWindowOnTop({0, "Varnolt2", "TALMain", true, 101});
    EXPECT_EQ(FindKioskWindow(desktop, 101), 0U);
    const platform::WindowHandle own = desktop.addWindow({0, "Varnolt", "TALMain", false, 101});
    EXPECT_EQ(FindKioskWindow(desktop, 101), own) << "hidden, but its own";
}

}  // namespace
}  // namespace tal::watchdog
