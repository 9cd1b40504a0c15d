#include "kiosk/Kiosk.h"

#include "common/Flags.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "kiosk/Lockdown.h"
#include "kiosk/PowerOff.h"
#include "kiosk/PowerOffTime.h"
#include "kiosk/StartDelay.h"

namespace tal {

namespace {

// The kiosk refuses to start beside the program whose window carries this title.
constexpr const char* foreignProgramTitle = "Rx7300";
constexpr std::uint32_t tickInterval = 1000;

std::string Read(const SettingsFile& settings, const Setting& setting) {
    return settings.ReadSetting(setting.key, setting.kioskDefault);
}

}  // namespace

Kiosk::Kiosk(const KioskPorts& ports, KioskView& view)
    : ports_(ports), view_(view), windowGuard_(ports.desktop, ports.process.processId()) {}

void Kiosk::start() {
    if (ports_.desktop.findWindow(std::nullopt, std::string(foreignProgramTitle)) != 0) {
        refused_ = true;
        view_.close();
        return;
    }
    resetPending_ = false;
    const SettingsFile settings(ports_.profile, SettingsFilePath(ports_.process.applicationPath()));
    applyLockdown(settings);
    wait(StartDelayMilliseconds(LeadingNumber(Read(settings, settings::WaitToStart))));
    if (closed_) {
        return;
    }
    startPage_ = Read(settings, settings::StartPage);
    powerOffTime_ = Read(settings, settings::TimeToShutdown);
    windowGuard_.takeSnapshot();
    coverScreen();
    view_.navigate(startPage_);
    view_.setTimerInterval(tickInterval);
    if (FlagIs(Read(settings, settings::InitButton), flagOn)) {
        view_.showReturnButton();
    }
}

void Kiosk::applyLockdown(const SettingsFile& settings) {
    if (FlagIs(Read(settings, settings::TaskBarHide), flagOn)) {
        HideTaskBar(ports_.desktop);
    }
    if (FlagIs(Read(settings, settings::TaskBar), flagOff)) {
        HideTaskBar(ports_.desktop);
    }
    if (FlagIs(Read(settings, settings::ContextMenu), flagOff)) {
        DisableBrowserContextMenu(ports_.registry);
    }
    if (FlagIs(Read(settings, settings::ToolBar), flagOff)) {
        HideBrowserToolbar(ports_.registry);
    }
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

    if (IsPowerOffTime(ports_.clock.localTime(), powerOffTime_)) {
        power_off::ShutdownSystem(power_off::powerOffFlags, ports_.shutdown, ports_.process,
                                  ports_.messageBoxes);
    }
    if (ports_.screenSaver.isRunning()) {
        resetPending_ = true;
        return;
    }
    if (resetPending_) {
        resetPending_ = false;
        windowGuard_.closeForeignWindows();
        view_.navigate(startPage_);
    }
}

void Kiosk::onBrowserFocus() {
    view_.setTimerEnabled(true);
}

}  // namespace tal
