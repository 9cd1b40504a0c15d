// The kiosk program: wires the Win32 services into the main window's logic and runs the
// message loop.
#include <ole2.h>
#include <windows.h>

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "Version.h"
#include "common/EventLog.h"
#include "common/ExitCodes.h"
#include "kiosk/Kiosk.h"
#include "kiosk/PagePrompts.h"
#include "kiosk/ProcessWindowGuard.h"
#include "kiosk/RefusalLog.h"
#include "kiosk/ReturnButton.h"
#include "kiosk/ui/CornerTapHook.h"
#include "kiosk/ui/DialogHooks.h"
#include "kiosk/ui/HookThread.h"
#include "kiosk/ui/KeyLockHook.h"
#include "kiosk/ui/MainWindow.h"
#include "kiosk/ui/ReturnButtonWindow.h"
#include "win32/Failure.h"
#include "win32/FailureReport.h"
#include "win32/Win32AccessibilityFeatures.h"
#include "win32/Win32AnsiText.h"
#include "win32/Win32BackgroundWork.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32ChildProcess.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Cryptography.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32InternetSession.h"
#include "win32/Win32LogStorage.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32MessagePump.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScreenSaver.h"
#include "win32/Win32SessionSnapshot.h"
#include "win32/Win32Succession.h"
#include "win32/Win32SystemMenu.h"
#include "win32/Win32SystemShutdown.h"
#include "win32/Win32SystemVersion.h"
#include "win32/Win32UserFolders.h"
#include "win32/Win32UserInput.h"

namespace {

// The browser control needs OLE on this thread for the program's whole life.
class OleSession {
public:
    OleSession() {
        if (const HRESULT result = ::OleInitialize(nullptr); FAILED(result)) {
            throw tal::win32::Failure("OLE を初期化できませんでした。",
                                      static_cast<std::uint32_t>(result));
        }
    }
    ~OleSession() { ::OleUninitialize(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

// The program's parts, declared so that each outlives everything that calls into it: the logic
// outlives the windows' callbacks, which the windows clear before they go, and OLE outlives the
// browser control.
class KioskProgram {
public:
    KioskProgram(HINSTANCE instance, tal::EventLog& log)
        : instance_(instance),
          log_(log),
          background_(instance),
          window_(instance),
          kiosk_(tal::KioskPorts{profile_,       registry_,   desktop_,
                                 clock_,         pump_,       process_,
                                 screenSaver_,   shutdown_,   messageBoxes_,
                                 session_,       input_,      ansiText_,
                                 accessibility_, succession_, log_,
                                 system_,        folders_,    background_,
                                 crypto_,        starter_,    &sessionSnapshot_},
                 window_, TAL_VERSION_TEXT) {
        messageBoxes_.setOwner(reinterpret_cast<tal::platform::WindowHandle>(window_.handle()));
        window_.reportFailuresTo(log_);
        background_.reportFailuresTo(log_);
        if (!dialogHooks_.installed()) {
            log_.write("dialog-guard-failed");
        }
        window_.browser().prompts().setAnswers(&prompts_);
        window_.onBrowserIdle = [this] { kiosk_.onBrowserIdle(); };
        // A line kept while another program held the log goes out within a second.
        window_.onTimer = [this] {
            log_.flush();
            kiosk_.tick();
            refusals_.flush();
        };
        window_.onContinueSession = [this] { kiosk_.continueSession(); };
        window_.onOperatorMenuRequested = [this] { kiosk_.openOperatorMenu(); };
        window_.onOperatorPin = [this](const std::string& digits) {
            kiosk_.submitOperatorPin(digits);
        };
        window_.onOperatorChoice = [this](tal::OperatorChoice choice) {
            kiosk_.chooseOperatorAction(choice);
        };
        window_.browser().onFocus = [this] { kiosk_.onBrowserFocus(); };
        window_.onShowReturnButton = [this] { showReturnButton(); };
        window_.onPageFailed = [this](const std::string& address, std::uint32_t status) {
            return kiosk_.onNavigationFailed(address, status);
        };
        window_.onPageCompleted = [this] { kiosk_.onNavigationCompleted(); };
        // Under Wine a new child window is drawn over the button window that stands above it.
        window_.onChildWindowShown = [this] {
            if (buttonWindow_) {
                buttonWindow_->showAgain();
            }
        };
        // The button window goes with the main window: the program ends when the kiosk closes.
        window_.onClosed = [this] {
            kiosk_.onClosed();
            button_.reset();
            buttonWindow_.reset();
        };
    }

    int run() {
        kiosk_.start();
        // The watchdog tells this apart from a crash and tries again later.
        if (kiosk_.refusedToStart()) {
            return tal::exit_code::kioskRefused;
        }
        window_.applyPageRules(kiosk_.pageRules());
        prompts_.setRules(kiosk_.pageRules());
        installHooks();
        kiosk_.show();
        // Under Wine the button window, shown during start-up, stays hidden beneath the
        // full-screen window that reaches the screen after it, although it is above it in the
        // z-order; shown again once the start-up's messages are handled, it is drawn on top.
        bool buttonShownAgain = !buttonWindow_;
        MSG message{};
        for (;;) {
            if (!buttonShownAgain && !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
                buttonShownAgain = true;
                if (buttonWindow_) {
                    kiosk_.changeWindows([this] { buttonWindow_->showAgain(); });
                }
            }
            if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
                break;
            }
            if (window_.preTranslate(message)) {
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (const std::exception_ptr failure = window_.failure()) {
            std::rethrow_exception(failure);
        }
        return kiosk_.exitCode().value_or(static_cast<int>(message.wParam));
    }

private:
    void installHooks() {
        if (kiosk_.locksSystemKeys()) {
            window_.refuseCloseCommand();
        }
        // From the hooks' thread: the menu opens from the main window's messages.
        const auto requestMenu = [this] { window_.requestOperatorMenu(); };
        if (kiosk_.locksSystemKeys() || kiosk_.hearsOperator()) {
            keyLock_.emplace(hookThread_,
                             tal::KeyLock::Rules{kiosk_.locksSystemKeys(), kiosk_.hearsOperator()},
                             requestMenu);
            if (!keyLock_->installed()) {
                log_.write("keylock-failed", {{"error", keyLock_->error()}});
            }
        }
        if (kiosk_.hearsOperator()) {
            cornerTaps_.emplace(hookThread_, requestMenu);
            if (!cornerTaps_->installed()) {
                log_.write("corner-taps-failed", {{"error", cornerTaps_->error()}});
            }
        }
    }

    void showReturnButton() {
        buttonWindow_.emplace(instance_);
        buttonWindow_->reportFailuresTo(log_);
        button_.emplace(tal::ReturnButtonPorts{profile_, process_, desktop_, menu_}, *buttonWindow_,
                        [this] { kiosk_.reset(tal::ResetTrigger::button); });
        buttonWindow_->onClick = [this] { button_->press(); };
        button_->show();
    }

    HINSTANCE instance_;
    tal::EventLog& log_;
    OleSession ole_;
    tal::win32::Win32ProfileFile profile_;
    tal::win32::Win32Registry registry_;
    tal::win32::Win32Desktop desktop_;
    tal::win32::Win32Clock clock_;
    tal::win32::Win32MessagePump pump_;
    tal::win32::Win32Process process_;
    tal::win32::Win32ScreenSaver screenSaver_;
    tal::win32::Win32SystemShutdown shutdown_;
    tal::win32::Win32MessageBoxes messageBoxes_;
    tal::win32::Win32SystemMenu menu_;
    tal::win32::Win32InternetSession session_;
    tal::win32::Win32UserInput input_;
    tal::win32::Win32SessionSnapshot sessionSnapshot_;
    tal::win32::Win32AccessibilityFeatures accessibility_;
    tal::win32::Win32AnsiText ansiText_;
    tal::win32::Win32SystemVersion system_;
    tal::win32::Win32Succession succession_;
    tal::win32::Win32UserFolders folders_;
    tal::win32::Win32Cryptography crypto_;
    tal::win32::Win32ProcessStarter starter_;
    // Goes after the kiosk and before the services its work uses: it stops the work and waits.
    tal::win32::Win32BackgroundWork background_;
    // Before the first window: every window of the process passes the guard.
    tal::RefusalLog refusals_{log_, clock_};
    tal::ProcessWindowGuard windowGuard_{refusals_};
    tal::kiosk_ui::DialogHooks dialogHooks_{windowGuard_};
    tal::PagePrompts prompts_{refusals_};
    tal::kiosk_ui::MainWindow window_;
    tal::Kiosk kiosk_;
    tal::kiosk_ui::HookThread hookThread_;
    std::optional<tal::kiosk_ui::KeyLockHook> keyLock_;
    std::optional<tal::kiosk_ui::CornerTapHook> cornerTaps_;
    std::optional<tal::kiosk_ui::ReturnButtonWindow> buttonWindow_;
    std::optional<tal::ReturnButton> button_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tal::win32::Win32LogStorage logStorage;
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(logStorage, calendar, "TAL");
    const int code =
        tal::win32::RunReportingFailures([&] { return KioskProgram(instance, log).run(); },
                                         [&log](const std::string& text) {
                                             log.write("error", {{"message", text}});
                                         });
    log.write("exit", {{"code", code}});
    return code;
}
