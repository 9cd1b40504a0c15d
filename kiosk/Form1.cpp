#include "kiosk/Form1.h"

#include "common/Flags.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "kiosk/BrowserLockdown.h"
#include "kiosk/Module1.h"
#include "kiosk/PowerOffTime.h"
#include "kiosk/StartDelay.h"
#include "kiosk/mdlExit.h"

namespace tal {

namespace {

// The kiosk refuses to start beside the program whose window carries this title.
constexpr const char* foreignProgramTitle = "Rx7300";
constexpr std::uint32_t tickInterval = 1000;

std::string Read(const SettingsFile& settings, const Setting& setting) {
    return settings.ReadSetting(setting.key, setting.kioskDefault);
}

}  // namespace

Form1::Form1(const KioskPlatform& platform, Form1View& view)
    : platform_(platform),
      view_(view),
      windowGuard_(platform.desktop, platform.process.processId()) {}

void Form1::Form_Load() {
    if (platform_.desktop.findWindow(std::nullopt, std::string(foreignProgramTitle)) != 0) {
        view_.unload();
        return;
    }
    resetPending_ = false;
    const SettingsFile settings(platform_.profile,
                                SettingsFilePath(platform_.process.applicationPath()));
    ApplyLockdown(settings);
    Wait(StartDelayMilliseconds(LeadingNumber(Read(settings, settings::WaitToStart))));
    if (unloaded_) {
        return;
    }
    startPage_ = Read(settings, settings::StartPage);
    powerOffTime_ = Read(settings, settings::TimeToShutdown);
    windowGuard_.TakeWindowSnapshot();
    CoverScreen();
    view_.navigate(startPage_);
    view_.setTimerInterval(tickInterval);
    if (FlagIs(Read(settings, settings::InitButton), flagOn)) {
        view_.showInitButton();
    }
}

void Form1::ApplyLockdown(const SettingsFile& settings) {
    if (FlagIs(Read(settings, settings::TaskBarHide), flagOn)) {
        Module1::HideTaskBar(platform_.desktop);
    }
    if (FlagIs(Read(settings, settings::TaskBar), flagOff)) {
        Module1::HideTaskBar(platform_.desktop);
    }
    if (FlagIs(Read(settings, settings::ContextMenu), flagOff)) {
        DisableBrowserContextMenu(platform_.registry);
    }
    if (FlagIs(Read(settings, settings::ToolBar), flagOff)) {
        HideBrowserToolbar(platform_.registry);
    }
}

void Form1::CoverScreen() {
    const float height = view_.screenHeight();
    const float width = view_.screenWidth();
    for (const auto set : {&Form1View::setFormGeometry, &Form1View::setBrowserGeometry}) {
        (view_.*set)(Geometry::Height, height);
        (view_.*set)(Geometry::Width, width);
        (view_.*set)(Geometry::Top, 0);
        (view_.*set)(Geometry::Left, 0);
    }
}

void Form1::Wait(std::int32_t milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    const auto requested = static_cast<std::uint32_t>(milliseconds);
    const std::uint32_t start = platform_.clock.tickCount();
    // Unsigned differences stay right when the tick count wraps around.
    for (std::uint32_t elapsed = platform_.clock.tickCount() - start; elapsed < requested;
         elapsed = platform_.clock.tickCount() - start) {
        platform_.pump.dispatchPending();
        if (unloaded_) {
            return;
        }
        platform_.pump.waitForMessages(requested - elapsed);
    }
}

void Form1::Timer1_Timer() {
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

    if (IsPowerOffTime(platform_.clock.localTime(), powerOffTime_)) {
        mdlExit::ShutdownSystem(mdlExit::powerOffFlags, platform_.shutdown, platform_.process,
                                platform_.messageBoxes);
    }
    if (platform_.screenSaver.isRunning()) {
        resetPending_ = true;
        return;
    }
    if (resetPending_) {
        resetPending_ = false;
        windowGuard_.CloseForeignWindows();
        view_.navigate(startPage_);
    }
}

void Form1::WebBrowser1_GotFocus() {
    view_.setTimerEnabled(true);
}

}  // namespace tal
