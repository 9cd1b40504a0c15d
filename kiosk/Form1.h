#pragma once

#include <cstdint>
#include <string>

#include "kiosk/Form1View.h"
#include "kiosk/mdlAppExit.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/ScreenSaver.h"
#include "platform/SystemShutdown.h"

namespace tal {

// The services the kiosk's main window works with.
struct KioskPlatform {
    platform::ProfileFile& profile;
    platform::Registry& registry;
    platform::Desktop& desktop;
    platform::Clock& clock;
    platform::MessagePump& pump;
    platform::Process& process;
    platform::ScreenSaver& screenSaver;
    platform::SystemShutdown& shutdown;
    platform::MessageBoxes& messageBoxes;
};

// The kiosk's main window: start-up, the supervision timer and the reset request.
class Form1 {
public:
    Form1(const KioskPlatform& platform, Form1View& view);

    void Form_Load();
    // The lockdown stays in place when the kiosk closes; only the settings tool undoes it. A
    // start-up that is still in its wait ends there.
    void Form_Unload() { unloaded_ = true; }
    void Timer1_Timer();
    void WebBrowser1_GotFocus();
    // True requests one reset at the next tick on which no screen saver runs; false cancels it.
    void ScreenSaver(bool NewValue) { resetPending_ = NewValue; }

    // Waits `milliseconds` while window messages go on being handled, or until one of them
    // unloads the form.
    void Wait(std::int32_t milliseconds);

    // What the window guard holds, for checks that it stays the same size while the kiosk runs.
    const mdlAppExit& windowGuard() const { return windowGuard_; }

private:
    void ApplyLockdown(const class SettingsFile& settings);
    void CoverScreen();

    KioskPlatform platform_;
    Form1View& view_;
    mdlAppExit windowGuard_;
    std::string startPage_;
    std::string powerOffTime_;
    bool resetPending_ = false;
    bool inTick_ = false;
    bool unloaded_ = false;
};

}  // namespace tal
