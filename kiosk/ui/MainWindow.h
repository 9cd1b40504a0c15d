#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "kiosk/KioskView.h"
#include "kiosk/PageRules.h"
#include "kiosk/ui/BrowserHost.h"
#include "kiosk/ui/IdleWarningWindow.h"
#include "kiosk/ui/OfflineNoticeWindow.h"
#include "kiosk/ui/OperatorMenuWindow.h"
#include "win32/Window.h"

namespace tal::kiosk_ui {

// The kiosk's main window "Varnolt": borderless, without a taskbar button, holding the browser
// control; and its timer. Construction throws a win32::Failure when the window cannot be created,
// createBrowser when the browser control cannot. Before it goes it forgets every callback and
// pointer into the kiosk, which may be gone already.
class MainWindow : public win32::Window<MainWindow>, public KioskView {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    BrowserHost& browser() { return browser_; }
    bool isClosed() const { return handle() == nullptr; }
    // What closed the window when a new browser control could not be created, for the program to
    // end with; null otherwise.
    std::exception_ptr failure() const { return failure_; }
    // Gives keystrokes to the browser control first; true when it used them.
    bool preTranslate(MSG& message);

    // Navigates once the current message is handled: for addresses that reach the kiosk from
    // inside one of the control's own calls.
    void navigateLater(const std::wstring& url);
    // Holds the browser to the kiosk's rules (null: none yet): the guard refuses what they refuse,
    // a new window that they let through opens in this window's own browser, and a page that ended
    // up where they refuse goes back to the start page.
    void applyPageRules(const PageRules* rules);
    // From now on the close command of the system menu and Alt+F4 (SC_CLOSE) leave the window
    // open; WM_CLOSE, the watchdog's stop, still ends it.
    void refuseCloseCommand() { closeCommandRefused_ = true; }
    // From any thread (the hooks'): onOperatorMenuRequested runs from this window's messages.
    void requestOperatorMenu();

    std::function<void()> onTimer;
    std::function<void()> onClosed;
    // Creates the return-to-start button window.
    std::function<void()> onShowReturnButton;
    // The visitor pressed "続ける" on the inactivity warning.
    std::function<void()> onContinueSession;
    // A child window appeared over the page (a fresh browser control, the offline notice): under
    // Wine it is drawn over the button window that stands above it.
    std::function<void()> onChildWindowShown;
    // A navigation of the page itself failed: its address (UTF-8) and NavigateError's status;
    // true cancels the control's error page.
    std::function<bool(const std::string& address, std::uint32_t status)> onPageFailed;
    // A navigation of the page itself completed.
    std::function<void()> onPageCompleted;
    // The browser control has left a modal call that leaveBrowserModal waited for.
    std::function<void()> onBrowserIdle;
    // The operator's hotkey or taps.
    std::function<void()> onOperatorMenuRequested;
    // The operator entered a PIN in the menu, or chose there; a choice comes from this window's
    // messages, outside the menu's own handler, since it may close every window.
    std::function<void(const std::string& digits)> onOperatorPin;
    std::function<void(OperatorChoice choice)> onOperatorChoice;

    void close() override;
    void show() override;
    void createBrowser(bool processFeatures) override;
    float screenWidth() override;
    float screenHeight() override;
    void setWindowGeometry(Geometry property, float twips) override;
    void setBrowserGeometry(Geometry property, float twips) override;
    void navigate(const std::string& url) override;
    void retryNavigation(const std::string& address) override;
    void setTimerInterval(std::uint32_t milliseconds) override;
    void setTimerEnabled(bool enabled) override;
    void showReturnButton() override;
    void replaceBrowser() override;
    void showIdleWarning(std::uint32_t secondsLeft) override;
    void hideIdleWarning() override;
    void showOfflineNotice(std::uint32_t secondsLeft) override;
    void hideOfflineNotice() override;
    void showOperatorMenu(const OperatorMenuState& state) override;
    void hideOperatorMenu() override;
    bool browserIsModal() override;
    void leaveBrowserModal() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct TwipsRect {
        float left = 0;
        float top = 0;
        float width = 0;
        float height = 0;
        void set(Geometry property, float twips);
    };

    void applyTimer();
    RECT pixels(const TwipsRect& rect) const;

    HINSTANCE instance_;
    BrowserHost browser_;
    std::optional<IdleWarningWindow> idleWarning_;
    std::optional<OfflineNoticeWindow> offlineNotice_;
    std::optional<OperatorMenuWindow> operatorMenu_;
    std::wstring pendingNavigation_;
    // Counts the controls, so that a return to the start page that an old control asked for
    // does not reach a fresh one.
    WPARAM browserGeneration_ = 0;
    const PageRules* rules_ = nullptr;
    TwipsRect windowRect_;
    bool waitingForIdleBrowser_ = false;
    bool printPending_ = false;
    TwipsRect browserRect_;
    std::uint32_t timerInterval_ = 0;
    bool timerEnabled_ = true;
    bool closeCommandRefused_ = false;
    // The interval the system's timer runs with, 0 while it is off.
    std::uint32_t armedInterval_ = 0;
    std::exception_ptr failure_;
};

}  // namespace tal::kiosk_ui
