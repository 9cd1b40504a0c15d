#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <optional>
#include <string_view>

#include "common/EventLog.h"
#include "kiosk/AccessibilityHotkeys.h"
#include "kiosk/IdleMonitor.h"
#include "kiosk/KioskView.h"
#include "kiosk/OfflineRetry.h"
#include "kiosk/OperatorAccess.h"
#include "kiosk/PageRules.h"
#include "kiosk/ResetReport.h"
#include "kiosk/RestartSchedule.h"
#include "kiosk/SessionWipe.h"
#include "kiosk/WindowGuard.h"
#include "platform/AccessibilityFeatures.h"
#include "platform/AnsiText.h"
#include "platform/BackgroundWork.h"
#include "platform/ChildProcess.h"
#include "platform/Clock.h"
#include "platform/Cryptography.h"
#include "platform/Desktop.h"
#include "platform/InternetSession.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/ScreenSaver.h"
#include "platform/SessionSnapshot.h"
#include "platform/Succession.h"
#include "platform/SystemShutdown.h"
#include "platform/SystemVersion.h"
#include "platform/UserFolders.h"
#include "platform/UserInput.h"

namespace tal {

class SettingsFile;

// The ports the kiosk's main window needs.
struct KioskPorts {
    platform::ProfileFile& profile;
    platform::Registry& registry;
    platform::Desktop& desktop;
    platform::Clock& clock;
    platform::MessagePump& pump;
    platform::Process& process;
    platform::ScreenSaver& screenSaver;
    platform::SystemShutdown& shutdown;
    platform::MessageBoxes& messageBoxes;
    platform::InternetSession& session;
    platform::UserInput& input;
    platform::AnsiText& ansiText;
    platform::AccessibilityFeatures& accessibility;
    platform::Succession& succession;
    EventLog& log;
    platform::SystemVersion& system;
    platform::UserFolders& folders;
    // Where the session wipe runs, off the UI thread.
    platform::BackgroundWork& background;
    // The operator's PIN check, and the settings tool that the operator menu starts.
    platform::Cryptography& crypto;
    platform::ProcessStarter& starter;
    // The window snapshot kept for the session; none: each start takes its own.
    platform::SessionSnapshot* sessionSnapshot = nullptr;
};

// The kiosk's main window: start-up, the supervision tick, the reset request and the kiosk's own
// restart and end.
class Kiosk {
public:
    // `version` is the program's, for the log.
    Kiosk(const KioskPorts& ports, KioskView& view, std::string_view version = {});

    void start();
    // Shows the main window once start-up is done: from then on the kiosk watches for visitors.
    void show();
    // Runs `change`, which shows, hides or closes some of the kiosk's windows: the system's echo
    // of it is no visitor's input.
    void changeWindows(const std::function<void()>& change);
    // start() found the window of the program the kiosk must not run beside and closed the kiosk.
    bool refusedToStart() const { return refused_; }
    // What the kiosk lets a page do, known once start-up has read the settings.
    const PageRules* pageRules() const { return pageRules_ ? &*pageRules_ : nullptr; }
    // Whether the system keys that leave the kiosk are to be swallowed; the accessibility hotkeys
    // are off meanwhile.
    bool locksSystemKeys() const { return locksSystemKeys_; }
    // Whether an operator PIN is set, so that the hotkey and the taps are to be heard.
    bool hearsOperator() const { return operator_.enabled(); }
    // The window is gone. The lockdown stays in place (only the settings tool undoes it); a
    // start-up that is still in its wait ends there.
    void onClosed() { closed_ = true; }
    // Once a second: the power-off time, the daily restart, the screen saver, a pending reset and
    // inactivity.
    void tick();
    void onBrowserFocus();
    // A navigation of the page itself failed: its address (UTF-8) and NavigateError's status. True
    // when the kiosk covers the page with its offline notice, so that the control's error page is
    // not wanted.
    bool onNavigationFailed(const std::string& address, std::uint32_t status);
    // A navigation of the page itself completed.
    void onNavigationCompleted();
    // The one way back to the start for the next visitor, whatever asked for it: closes the
    // windows opened since start-up at once, forgets the visitor's session when so configured,
    // and shows the start page, with ClearSession once the wipe is done.
    ResetReport reset(ResetTrigger trigger);
    // A session wipe runs; the start page waits for it.
    bool wiping() const { return wiping_; }
    // The visitor answered the inactivity warning.
    void continueSession();
    // The browser control is no longer modal: a reset held back for it runs now.
    void onBrowserIdle();

    // The operator's hotkey or taps: the operator menu opens when a PIN is set.
    void openOperatorMenu();
    // The operator entered `digits` in the menu and pressed OK.
    void submitOperatorPin(std::string_view digits);
    // The operator chose in the menu; the choices after the PIN count only once it was right.
    void chooseOperatorAction(OperatorChoice choice);

    // Makes way for a new process of the kiosk, for `reason` ("scheduled", "operator"). With the
    // session's watchdog running the kiosk ends with exit_code::kioskRestart, which the watchdog
    // answers with a start at once; without it, the kiosk starts a copy of itself and ends once the
    // copy takes input (by then the copy holds the session's kept window snapshot). False when the
    // copy could not start: the kiosk then goes on as before.
    bool restart(std::string_view reason);
    // The program's exit code, once the kiosk has chosen one.
    std::optional<int> exitCode() const { return exitCode_; }

    // Waits `milliseconds` while window messages go on being handled, or until one of them
    // closes the window or asks the program to quit.
    void wait(std::int32_t milliseconds);

    // The window guard, whose snapshot must keep its size while the kiosk runs.
    const WindowGuard& windowGuard() const { return windowGuard_; }

private:
    void applyLockdown(const SettingsFile& settings);
    void readSessionSettings(const SettingsFile& settings);
    void logStart(const SettingsFile& settings);
    void logMalformedSites();
    void powerOff();
    void coverScreen();
    void watchInactivity();
    void hideIdleWarning();
    void startWipe();
    void wipeDone(const WipeResult& result, std::uint32_t started);
    void showStartPage();
    void retryOffline();
    // Shows, updates or hides the offline notice as the outage stands.
    void showOfflineState();
    void switchHotkeysOff();
    void closeOperatorMenu();
    void startSettingsTool();
    // The operator's end: the session's watchdog is asked to stop first, so that it does not start
    // the kiosk again.
    void endForOperator();
    // Closes the window, which ends the program.
    void leave();

    KioskPorts ports_;
    KioskView& view_;
    WindowGuard windowGuard_;
    std::string startPage_;
    std::string powerOffTime_;
    RestartSchedule restartSchedule_;
    bool clearSession_ = false;
    IdleMonitor idle_;
    bool idleWarningShown_ = false;
    bool changingWindows_ = false;
    OfflineRetry offline_;
    OperatorAccess operator_;
    bool offlineNoticeShown_ = false;
    bool resetPending_ = false;
    bool wiping_ = false;
    // A reset came while the wipe ran: one more follows it before the start page.
    bool wipeAgain_ = false;
    std::optional<ResetTrigger> heldReset_;
    bool inTick_ = false;
    bool closed_ = false;
    bool refused_ = false;
    std::string version_;
    std::optional<PageRules> pageRules_;
    bool locksSystemKeys_ = false;
    std::optional<AccessibilityHotkeys> hotkeys_;
    std::optional<int> exitCode_;
};

}  // namespace tal
