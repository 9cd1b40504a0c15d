#include "kiosk/Kiosk.h"

#include <memory>
#include <vector>

#include "common/ExitCodes.h"
#include "common/Flags.h"
#include "common/NumberText.h"
#include "common/PolicyStore.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "kiosk/BrowserMode.h"
#include "kiosk/ClockMinute.h"
#include "kiosk/Lockdown.h"
#include "kiosk/PowerOff.h"
#include "kiosk/SessionWipe.h"
#include "kiosk/StartDelay.h"

namespace tal {

namespace {

// The kiosk refuses to start beside the program whose window carries this title.
constexpr const char* foreignProgramTitle = "Rx7300";
constexpr std::uint32_t tickInterval = 1000;
// Long enough for a kiosk's start on a busy PC; a copy that takes longer starts all the same.
constexpr std::uint32_t copyTakesInputWait = 10'000;

}  // namespace

Kiosk::Kiosk(const KioskPorts& ports, KioskView& view, std::string_view version)
    : ports_(ports),
      view_(view),
      windowGuard_(ports.desktop, ports.process.processId(), ports.sessionSnapshot),
      offline_(ports.log),
      operator_(ports.log, ports.crypto),
      version_(version) {}

void Kiosk::start() {
    // Before anything is read or written: beside that program the kiosk leaves no trace.
    if (ports_.desktop.findWindow(std::nullopt, std::string(foreignProgramTitle)) != 0) {
        refused_ = true;
        view_.close();
        return;
    }
    resetPending_ = false;
    const PolicyStore policies(ports_.registry);
    const SettingsFile settings(ports_.profile, SettingsFilePath(ports_.process.applicationPath()),
                                &policies);
    view_.createBrowser(PrepareBrowserMode(settings, ports_.registry, ports_.process));
    applyLockdown(settings);
    wait(StartDelayMilliseconds(LeadingNumber(settings.ReadSetting(settings::WaitToStart))));
    if (closed_) {
        return;
    }
    startPage_ = settings.ReadSetting(settings::StartPage);
    powerOffTime_ = settings.ReadSetting(settings::TimeToShutdown);
    restartSchedule_ =
        RestartSchedule(settings.ReadSetting(settings::RestartTime), ports_.clock.localTime());
    readSessionSettings(settings);
    pageRules_.emplace(settings, startPage_, ports_.ansiText);
    locksSystemKeys_ = FlagIs(settings.ReadSetting(settings::KeyLock), flagOn);
    if (locksSystemKeys_) {
        switchHotkeysOff();
    }
    logStart(settings);
    logMalformedSites();
    operator_.configure(settings.ReadSetting(settings::OperatorPin));
    windowGuard_.takeSnapshot();
    coverScreen();
    if (clearSession_) {
        // Whatever a crash or a power cut left of the last visit goes before the first page.
        ports_.session.suppressCookiePersistence();
        reset(ResetTrigger::startupWipe);
    } else {
        view_.navigate(startPage_);
    }
    view_.setTimerInterval(tickInterval);
    if (FlagIs(settings.ReadSetting(settings::InitButton), flagOn)) {
        view_.showReturnButton();
    }
}

void Kiosk::applyLockdown(const SettingsFile& settings) {
    if (FlagIs(settings.ReadSetting(settings::TaskBarHide), flagOn)) {
        HideTaskBar(ports_.desktop, ports_.system);
    }
    if (FlagIs(settings.ReadSetting(settings::TaskBar), flagOff)) {
        HideTaskBar(ports_.desktop, ports_.system);
    }
    if (FlagIs(settings.ReadSetting(settings::ContextMenu), flagOff)) {
        DisableBrowserContextMenu(ports_.registry);
    }
    if (FlagIs(settings.ReadSetting(settings::ToolBar), flagOff)) {
        HideBrowserToolbar(ports_.registry);
    }
    if (FlagIs(settings.ReadSetting(settings::TaskManager), flagOff)) {
        DisableTaskManager(ports_.registry);
    }
}

void Kiosk::readSessionSettings(const SettingsFile& settings) {
    clearSession_ = FlagIs(settings.ReadSetting(settings::ClearSession), flagOn);
    const std::uint32_t resetAfter =
        SecondsSettingMilliseconds(settings.ReadSetting(settings::IdleReset)).value_or(0);
    const std::uint32_t warning =
        SecondsSettingMilliseconds(settings.ReadSetting(settings::IdleWarning))
            .value_or(*SecondsSettingMilliseconds(settings::IdleWarning.kioskDefault));
    idle_ = IdleMonitor(resetAfter, warning);
    offline_.setLongestWait(OfflineRetrySeconds(settings.ReadSetting(settings::OfflineRetry)));
}

void Kiosk::logStart(const SettingsFile& settings) {
    std::vector<LogField> fields{{"version", version_}};
    for (const Setting& setting : settings::all) {
        const std::string value = settings.ReadSetting(setting);
        if (setting.secret) {
            fields.emplace_back(setting.key, value.empty() ? "" : "set");
            continue;
        }
        // The log is UTF-8; settings are text of the ANSI code page.
        fields.emplace_back(setting.key, ports_.ansiText.toUtf8(value));
    }
    ports_.log.write("start", fields);
}

void Kiosk::logMalformedSites() {
    const NavigationPolicy& navigation = pageRules_->navigation();
    const std::vector<std::string>& malformed = navigation.malformedPatterns();
    if (malformed.empty()) {
        return;
    }
    // A list of thousands of typos must not flood the log at every start.
    constexpr std::size_t shown = 10;
    std::string patterns;
    for (std::size_t at = 0; at < malformed.size() && at < shown; ++at) {
        patterns += (at == 0 ? "" : " ") + malformed[at];
    }
    ports_.log.write("allowed-sites-malformed",
                     {{"count", malformed.size()},
                      {"patterns", patterns},
                      {"allows", navigation.onlyStartPage() ? "start-page-only" : "the-others"}});
}

void Kiosk::coverScreen() {
    const float height = view_.screenHeight();
    const float width = view_.screenWidth();
    for (const auto set : {&KioskView::setWindowGeometry, &KioskView::setBrowserGeometry}) {
        (view_.*set)(Geometry::Height, height);
        (view_.*set)(Geometry::Width, width);
        (view_.*set)(Geometry::Top, 0);
        (view_.*set)(Geometry::Left, 0);
    }
}

void Kiosk::wait(std::int32_t milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    const auto requested = static_cast<std::uint32_t>(milliseconds);
    const std::uint32_t start = ports_.clock.tickCount();
    for (;;) {
        // A quit request stays queued for the message loop, which ends the program: waiting on
        // would only wake again and again for it.
        if (!ports_.pump.dispatchPending() || closed_) {
            return;
        }
        // Read after the messages were handled, so that their handling counts as waiting.
        // Unsigned differences stay right when the tick count wraps around.
        const std::uint32_t elapsed = ports_.clock.tickCount() - start;
        if (elapsed >= requested) {
            return;
        }
        ports_.pump.waitForMessages(requested - elapsed);
    }
}

void Kiosk::tick() {
    // The power-off error box runs a message loop that goes on delivering ticks: those wait
    // until the box is dismissed, so that a lasting failure shows one box at a time.
    if (inTick_) {
        return;
    }
    inTick_ = true;
    struct TickEnd {
        bool& inTick;
        ~TickEnd() { inTick = false; }
    } tickEnd{inTick_};

    const platform::TimeOfDay time = ports_.clock.localTime();
    if (IsClockMinute(time, powerOffTime_)) {
        powerOff();
    }
    const platform::InputTimes input = ports_.input.inputTimes();
    if (restartSchedule_.due(time, input) && restart("scheduled")) {
        return;
    }
    if (operator_.idleTooLong(input)) {
        closeOperatorMenu();
    }
    if (ports_.screenSaver.isRunning()) {
        resetPending_ = true;
        return;
    }
    if (resetPending_) {
        reset(ResetTrigger::screenSaver);
        return;
    }
    retryOffline();
    watchInactivity();
}

void Kiosk::powerOff() {
    // Written before the call: a power-off that works ends every process at once.
    ports_.log.write("poweroff", {{"time", powerOffTime_}});
    if (const std::optional<std::uint32_t> error = power_off::ShutdownSystem(
            power_off::powerOffFlags, ports_.shutdown, ports_.process, ports_.messageBoxes)) {
        ports_.log.write("poweroff-failed", {{"error", *error}});
    }
}

void Kiosk::watchInactivity() {
    if (!idle_.enabled()) {
        return;
    }
    const IdleStep step = idle_.step(ports_.input);
    switch (step.kind) {
        case IdleStep::Kind::reset:
            reset(ResetTrigger::inactivity);
            break;
        case IdleStep::Kind::warn:
            if (idleWarningShown_) {
                view_.showIdleWarning(step.secondsLeft);
            } else {
                changeWindows([&] {
                    view_.showIdleWarning(step.secondsLeft);
                    idleWarningShown_ = true;
                });
            }
            break;
        case IdleStep::Kind::none:
            if (idleWarningShown_) {
                changeWindows([this] { hideIdleWarning(); });
            }
            break;
    }
}

void Kiosk::retryOffline() {
    if (!offline_.offline()) {
        return;
    }
    if (const std::optional<std::string> address = offline_.due(ports_.clock.tickCount())) {
        view_.retryNavigation(*address);
    }
    showOfflineState();
}

void Kiosk::showOfflineState() {
    const bool wanted = offline_.offline();
    if (wanted == offlineNoticeShown_) {
        if (wanted) {
            view_.showOfflineNotice(offline_.secondsLeft(ports_.clock.tickCount()));
        }
        return;
    }
    changeWindows([&] {
        if (wanted) {
            view_.showOfflineNotice(offline_.secondsLeft(ports_.clock.tickCount()));
        } else {
            view_.hideOfflineNotice();
        }
        offlineNoticeShown_ = wanted;
    });
}

bool Kiosk::onNavigationFailed(const std::string& address, std::uint32_t status) {
    const bool takenOver = offline_.failed(address, status, ports_.clock.tickCount());
    showOfflineState();
    return takenOver;
}

void Kiosk::onNavigationCompleted() {
    offline_.answered(ports_.clock.tickCount());
    showOfflineState();
}

void Kiosk::hideIdleWarning() {
    if (idleWarningShown_) {
        idleWarningShown_ = false;
        view_.hideIdleWarning();
    }
}

void Kiosk::changeWindows(const std::function<void()>& change) {
    // A change inside another (the offline notice during a reset) is part of it: reading the
    // devices again would take the presses that came since the outer change began.
    if (!idle_.enabled() || changingWindows_) {
        change();
        return;
    }
    const platform::InputDevices before = ports_.input.inputDevices();
    const std::uint32_t from = ports_.input.inputTimes().now;
    changingWindows_ = true;
    struct ChangeEnd {
        bool& changing;
        ~ChangeEnd() { changing = false; }
    } changeEnd{changingWindows_};
    change();
    idle_.windowsChanged(from, ports_.input.inputTimes().now, before);
}

void Kiosk::show() {
    // Read before the window shows: input from then on is judged, the window's echo included.
    const platform::InputTimes before = ports_.input.inputTimes();
    changeWindows([this] { view_.show(); });
    idle_.takeBaseline(before);
}

ResetReport Kiosk::reset(ResetTrigger trigger) {
    ResetReport report;
    report.trigger = trigger;
    resetPending_ = false;
    // Replacing the control or navigating it from inside its own modal call (a button or a tick
    // handled by a page box's message loop) would cut the control's stack from under it.
    if (view_.browserIsModal()) {
        if (!heldReset_) {
            ports_.log.write("reset-held", {{"trigger", TriggerName(trigger)}});
        }
        heldReset_ = trigger;
        view_.leaveBrowserModal();
        report.held = true;
        return report;
    }
    heldReset_.reset();
    const std::uint32_t started = ports_.clock.tickCount();
    // Read before the change: input from then on is judged, the change's echo included.
    const platform::InputTimes before = ports_.input.inputTimes();
    // At start-up the browser control is new and every window belongs to the snapshot.
    const bool atStart = trigger == ResetTrigger::startupWipe;
    changeWindows([&] {
        hideIdleWarning();
        closeOperatorMenu();
        if (atStart) {
            return;
        }
        report.windowsClosed = windowGuard_.closeForeignWindows();
        // The old control goes before the wipe, so that none of its cache entries is still in
        // use. While a wipe runs, the control has shown nothing since it was replaced.
        if (clearSession_ && !wiping_) {
            view_.replaceBrowser();
        }
    });
    if (!atStart) {
        idle_.takeBaseline(before);
    }
    if (!clearSession_) {
        showStartPage();
    } else if (wiping_) {
        // The running wipe may have passed what was written since it began.
        wipeAgain_ = true;
    } else {
        startWipe();
    }
    report.milliseconds = ports_.clock.tickCount() - started;
    ports_.log.write("reset", {{"trigger", TriggerName(trigger)},
                               {"closed", report.windowsClosed},
                               {"ms", report.milliseconds}});
    return report;
}

void Kiosk::startWipe() {
    wiping_ = true;
    const std::uint32_t started = ports_.clock.tickCount();
    // Written by the work, read once it is done.
    auto result = std::make_shared<WipeResult>();
    ports_.background.run(
        [stores = SessionStores{ports_.session, ports_.folders, ports_.registry},
         result](std::stop_token stop) { *result = WipeSession(stores, std::move(stop)); },
        [this, result, started] { wipeDone(*result, started); });
}

void Kiosk::wipeDone(const WipeResult& result, std::uint32_t started) {
    wiping_ = false;
    ports_.log.write("wipe", {{"deleted", result.deleted},
                              {"left", result.left},
                              {"ms", ports_.clock.tickCount() - started}});
    if (closed_) {
        return;
    }
    if (wipeAgain_) {
        wipeAgain_ = false;
        startWipe();
        return;
    }
    // Only now: the start page's server must not see the last visitor's cookies.
    showStartPage();
}

void Kiosk::showStartPage() {
    changeWindows([&] {
        // During an outage the start page is a try, noted first: the control may report its
        // failure before the navigation returns.
        if (offline_.offline()) {
            offline_.tried(ports_.ansiText.toUtf8(startPage_), ports_.clock.tickCount());
        }
        view_.navigate(startPage_);
        showOfflineState();
    });
}

void Kiosk::continueSession() {
    idle_.continueSession(ports_.input.inputTimes());
    changeWindows([this] { hideIdleWarning(); });
}

void Kiosk::onBrowserIdle() {
    if (heldReset_) {
        reset(*heldReset_);
    }
}

bool Kiosk::restart(std::string_view reason) {
    if (closed_) {
        return true;
    }
    ports_.log.write("restart", {{"reason", reason}});
    if (ports_.succession.watchdogRuns()) {
        exitCode_ = exit_code::kioskRestart;
        leave();
        return true;
    }
    // The copy reads the hotkeys as the operator set them, and puts them back so when it ends.
    const bool hotkeysWereOff = hotkeys_.has_value();
    hotkeys_.reset();
    if (!ports_.succession.startCopy(copyTakesInputWait)) {
        ports_.log.write("restart-failed", {{"error", ports_.succession.lastError()}});
        if (hotkeysWereOff) {
            switchHotkeysOff();
        }
        return false;
    }
    leave();
    return true;
}

void Kiosk::openOperatorMenu() {
    if (closed_) {
        return;
    }
    if (const std::optional<OperatorMenuState> state = operator_.open(ports_.clock.tickCount())) {
        changeWindows([&] { view_.showOperatorMenu(*state); });
    }
}

void Kiosk::submitOperatorPin(std::string_view digits) {
    if (operator_.menuOpen()) {
        view_.showOperatorMenu(operator_.submit(digits, ports_.clock.tickCount()));
    }
}

void Kiosk::chooseOperatorAction(OperatorChoice choice) {
    if (choice == OperatorChoice::close || !operator_.unlocked()) {
        closeOperatorMenu();
        return;
    }
    switch (choice) {
        case OperatorChoice::exit:
            ports_.log.write("operator", {{"outcome", "exit"}});
            closeOperatorMenu();
            endForOperator();
            break;
        case OperatorChoice::settingsTool:
            ports_.log.write("operator", {{"outcome", "settings"}});
            closeOperatorMenu();
            startSettingsTool();
            break;
        case OperatorChoice::restart:
            ports_.log.write("operator", {{"outcome", "restart"}});
            closeOperatorMenu();
            restart("operator");
            break;
        case OperatorChoice::close:
            break;
    }
}

void Kiosk::closeOperatorMenu() {
    if (operator_.menuOpen()) {
        operator_.close();
        changeWindows([this] { view_.hideOperatorMenu(); });
    }
}

void Kiosk::startSettingsTool() {
    const std::string folder = ports_.process.applicationPath();
    const std::string tool = folder + (folder.ends_with('\\') ? "" : "\\") + "settal.exe";
    // Only started: the operator's settings take effect at the kiosk's next start.
    if (!ports_.starter.createProcess(tool, folder)) {
        ports_.log.write("settings-tool-failed", {{"error", ports_.starter.lastError()}});
    }
}

void Kiosk::endForOperator() {
    // The stop request is seen before this process's end: the watchdog then closes what is left
    // and ends, rather than starting a new kiosk.
    if (ports_.succession.watchdogRuns() && !ports_.succession.stopWatchdog()) {
        ports_.log.write("watchdog-stop-failed", {{"error", ports_.succession.lastError()}});
    }
    leave();
}

void Kiosk::switchHotkeysOff() {
    hotkeys_.emplace(ports_.accessibility, ports_.log);
    hotkeys_->switchOff();
}

void Kiosk::leave() {
    closed_ = true;
    view_.close();
}

void Kiosk::onBrowserFocus() {
    view_.setTimerEnabled(true);
}

}  // namespace tal
