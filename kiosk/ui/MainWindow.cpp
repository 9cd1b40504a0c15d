#include "kiosk/ui/MainWindow.h"

#include <utility>

#include "kiosk/ui/BrowserFeatures.h"
#include "win32/Dpi.h"
#include "win32/OwnDialogScope.h"
#include "win32/TextConversion.h"

namespace tal::kiosk_ui {

namespace {

constexpr UINT_PTR timerId = 1;
// Posted to itself by navigateLater.
constexpr UINT navigateLaterMessage = WM_APP + 1;
// Posted to itself when the page ended up where the rules refuse, when a page is to be printed,
// and when the browser control leaves a modal call: all are handled outside the control's calls.
constexpr UINT returnToStartMessage = WM_APP + 2;
constexpr UINT printLaterMessage = WM_APP + 3;
constexpr UINT browserIdleMessage = WM_APP + 4;
// Posted by the hooks' thread for the operator menu, and by the menu for a choice.
constexpr UINT operatorMenuMessage = WM_APP + 5;
constexpr UINT operatorChoiceMessage = WM_APP + 6;
// Posted to itself when it is activated while the operator menu is open.
constexpr UINT operatorMenuFocusMessage = WM_APP + 7;
constexpr int programIcon = 1;

}  // namespace

void MainWindow::TwipsRect::set(Geometry property, float twips) {
    switch (property) {
        case Geometry::Height:
            height = twips;
            break;
        case Geometry::Width:
            width = twips;
            break;
        case Geometry::Top:
            top = twips;
            break;
        case Geometry::Left:
            left = twips;
            break;
    }
}

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    // Owned by a hidden window: no taskbar button.
    create({{L"TAL.Kiosk", COLOR_WINDOW, programIcon},
            0,
            WS_POPUP | WS_CLIPCHILDREN,
            L"Varnolt",
            true,
            "メインウィンドウを作成できませんでした。"},
           instance);
    browser_.guard().onPageFailed = [this](const std::wstring& address, std::uint32_t status) {
        return onPageFailed && onPageFailed(win32::WideToUtf8(address), status);
    };
    browser_.guard().onPageCompleted = [this] {
        if (onPageCompleted) {
            onPageCompleted();
        }
    };
    // One print at a time, however often a page asks meanwhile.
    browser_.prompts().onPrint = [this] {
        if (!printPending_) {
            printPending_ = ::PostMessageW(handle(), printLaterMessage, 0, 0) != FALSE;
        }
    };
    browser_.onModalEnd = [this] {
        if (waitingForIdleBrowser_) {
            ::PostMessageW(handle(), browserIdleMessage, 0, 0);
        }
    };
}

MainWindow::~MainWindow() {
    // The logic behind the callbacks may already be gone.
    onTimer = nullptr;
    onClosed = nullptr;
    onShowReturnButton = nullptr;
    onContinueSession = nullptr;
    onChildWindowShown = nullptr;
    onPageFailed = nullptr;
    onPageCompleted = nullptr;
    onBrowserIdle = nullptr;
    onOperatorMenuRequested = nullptr;
    onOperatorPin = nullptr;
    onOperatorChoice = nullptr;
    browser_.onFocus = nullptr;
    browser_.guard().onNewWindow = nullptr;
    browser_.guard().onRefusedPage = nullptr;
    browser_.guard().onPageFailed = nullptr;
    browser_.guard().onPageCompleted = nullptr;
    // The kiosk owns the rules; the control may still ask the guard while it closes.
    browser_.guard().setRules(nullptr);
    idleWarning_.reset();
    offlineNotice_.reset();
    operatorMenu_.reset();
    destroy();
}

void MainWindow::show() {
    if (handle() != nullptr) {
        ::ShowWindow(handle(), SW_SHOW);
    }
}

bool MainWindow::preTranslate(MSG& message) {
    if (handle() == nullptr) {
        return false;
    }
    // Enter and Esc in the menu mean "OK" and "キャンセル", Tab moves between its controls.
    if (operatorMenu_ && operatorMenu_->shown() &&
        ::IsDialogMessageW(operatorMenu_->window(), &message)) {
        return true;
    }
    return ::IsChild(handle(), message.hwnd) && browser_.translateAccelerator(message);
}

void MainWindow::requestOperatorMenu() {
    ::PostMessageW(handle(), operatorMenuMessage, 0, 0);
}

void MainWindow::close() {
    destroy();
}

void MainWindow::createBrowser(bool processFeatures) {
    if (processFeatures) {
        EnableBrowserProcessFeatures();
    }
    browser_.create(handle());
}

float MainWindow::screenWidth() {
    return win32::PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), win32::WindowDpi(handle()));
}

float MainWindow::screenHeight() {
    return win32::PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), win32::WindowDpi(handle()));
}

RECT MainWindow::pixels(const TwipsRect& rect) const {
    const UINT dpi = win32::WindowDpi(handle());
    const int left = win32::TwipsToPixels(rect.left, dpi);
    const int top = win32::TwipsToPixels(rect.top, dpi);
    return {left, top, left + win32::TwipsToPixels(rect.width, dpi),
            top + win32::TwipsToPixels(rect.height, dpi)};
}

void MainWindow::setWindowGeometry(Geometry property, float twips) {
    windowRect_.set(property, twips);
    const RECT rect = pixels(windowRect_);
    ::SetWindowPos(handle(), nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setBrowserGeometry(Geometry property, float twips) {
    browserRect_.set(property, twips);
    browser_.setRect(pixels(browserRect_));
    if (offlineNotice_) {
        offlineNotice_->place(pixels(browserRect_));
    }
}

void MainWindow::navigate(const std::string& url) {
    browser_.navigate(win32::AnsiToWide(url));
}

void MainWindow::retryNavigation(const std::string& address) {
    browser_.navigate(win32::Utf8ToWide(address));
}

void MainWindow::setTimerInterval(std::uint32_t milliseconds) {
    timerInterval_ = milliseconds;
    applyTimer();
}

void MainWindow::setTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    applyTimer();
}

void MainWindow::applyTimer() {
    // SetTimer starts the count again: arming it on every request would keep a page that takes the
    // focus often from ever seeing a tick.
    const std::uint32_t wanted = timerEnabled_ ? timerInterval_ : 0;
    if (handle() == nullptr || wanted == armedInterval_) {
        return;
    }
    if (wanted > 0) {
        ::SetTimer(handle(), timerId, wanted, nullptr);
    } else {
        ::KillTimer(handle(), timerId);
    }
    armedInterval_ = wanted;
}

void MainWindow::navigateLater(const std::wstring& url) {
    pendingNavigation_ = url;
    ::PostMessageW(handle(), navigateLaterMessage, 0, 0);
}

void MainWindow::applyPageRules(const PageRules* rules) {
    rules_ = rules;
    browser_.guard().setRules(rules);
    browser_.guard().onNewWindow = [this](const std::wstring& address) {
        const std::optional<std::string> utf8 = win32::WideToUtf8Strictly(address);
        // Later: the control is inside its own event call.
        if (rules_ != nullptr && utf8 && rules_->newWindowTarget(*utf8)) {
            navigateLater(address);
        }
    };
    browser_.guard().onRefusedPage = [this] {
        ::PostMessageW(handle(), returnToStartMessage, browserGeneration_, 0);
    };
}

void MainWindow::replaceBrowser() {
    browser_.restoreFirstZoom();
    browser_.destroy();
    // What the old control asked for is not shown in the fresh one: with a session wipe running,
    // the start page waits for it.
    pendingNavigation_.clear();
    ++browserGeneration_;
    try {
        browser_.create(handle());
    } catch (...) {
        // A kiosk without a browser is of no use: it ends with this failure, and the watchdog
        // starts a new one. The window goes once the handler that asked for the reset has
        // returned: the return button's window, whose click that may be, goes with it.
        failure_ = std::current_exception();
        ::PostMessageW(handle(), WM_CLOSE, 0, 0);
        throw;
    }
    browser_.setRect(pixels(browserRect_));
    if (offlineNotice_ && offlineNotice_->shown()) {
        offlineNotice_->raise();
    }
    if (onChildWindowShown) {
        onChildWindowShown();
    }
}

void MainWindow::showIdleWarning(std::uint32_t secondsLeft) {
    if (!idleWarning_) {
        idleWarning_.emplace(instance_);
        if (failureLog() != nullptr) {
            idleWarning_->reportFailuresTo(*failureLog());
        }
        idleWarning_->onContinue = [this] {
            if (onContinueSession) {
                onContinueSession();
            }
        };
    }
    idleWarning_->show(secondsLeft);
}

void MainWindow::hideIdleWarning() {
    if (idleWarning_) {
        idleWarning_->hide();
    }
}

void MainWindow::showOfflineNotice(std::uint32_t secondsLeft) {
    if (!offlineNotice_) {
        offlineNotice_.emplace(instance_, handle());
        if (failureLog() != nullptr) {
            offlineNotice_->reportFailuresTo(*failureLog());
        }
        offlineNotice_->place(pixels(browserRect_));
    }
    const bool appears = !offlineNotice_->shown();
    offlineNotice_->show(secondsLeft);
    if (appears && onChildWindowShown) {
        onChildWindowShown();
    }
}

void MainWindow::hideOfflineNotice() {
    if (offlineNotice_) {
        offlineNotice_->hide();
    }
}

void MainWindow::showOperatorMenu(const OperatorMenuState& state) {
    if (!operatorMenu_) {
        operatorMenu_.emplace(instance_);
        if (failureLog() != nullptr) {
            operatorMenu_->reportFailuresTo(*failureLog());
        }
        operatorMenu_->onSubmit = [this](const std::string& digits) {
            if (onOperatorPin) {
                onOperatorPin(digits);
            }
        };
        operatorMenu_->onChoice = [this](OperatorChoice choice) {
            ::PostMessageW(handle(), operatorChoiceMessage, static_cast<WPARAM>(choice), 0);
        };
    }
    operatorMenu_->show(state);
}

void MainWindow::hideOperatorMenu() {
    if (operatorMenu_) {
        operatorMenu_->hide();
    }
}

bool MainWindow::browserIsModal() {
    return browser_.isModal();
}

void MainWindow::leaveBrowserModal() {
    waitingForIdleBrowser_ = true;
    win32::OwnDialogScope::closeAll();
}

void MainWindow::showReturnButton() {
    if (onShowReturnButton) {
        onShowReturnButton();
    }
}

LRESULT MainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == timerId && onTimer) {
                onTimer();
            }
            return 0;
        case navigateLaterMessage:
            if (!pendingNavigation_.empty()) {
                browser_.navigate(std::exchange(pendingNavigation_, std::wstring()));
            }
            return 0;
        case WM_SYSCOMMAND:
            if (closeCommandRefused_ && (wParam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            return ::DefWindowProcW(window, message, wParam, lParam);
        case returnToStartMessage:
            if (rules_ != nullptr && browser_.control() != nullptr &&
                wParam == browserGeneration_) {
                browser_.control()->Stop();
                browser_.navigate(win32::Utf8ToWide(rules_->startPage()));
            }
            return 0;
        case printLaterMessage:
            printPending_ = false;
            browser_.printSilently();
            return 0;
        case browserIdleMessage:
            if (waitingForIdleBrowser_ && !browser_.isModal()) {
                waitingForIdleBrowser_ = false;
                if (onBrowserIdle) {
                    onBrowserIdle();
                }
            }
            return 0;
        case operatorMenuMessage:
            if (onOperatorMenuRequested) {
                onOperatorMenuRequested();
            }
            return 0;
        case operatorChoiceMessage:
            if (onOperatorChoice) {
                onOperatorChoice(static_cast<OperatorChoice>(wParam));
            }
            return 0;
        case WM_ACTIVATE:
            // A press on the page, such as the last of the taps that opened the menu, activates
            // this window after the menu took the keyboard: it goes back to the menu, later, once
            // the activation is done.
            if (LOWORD(wParam) != WA_INACTIVE && operatorMenu_ && operatorMenu_->shown()) {
                ::PostMessageW(window, operatorMenuFocusMessage, 0, 0);
            }
            return ::DefWindowProcW(window, message, wParam, lParam);
        case operatorMenuFocusMessage:
            if (operatorMenu_) {
                operatorMenu_->takeKeyboard();
            }
            return 0;
        case WM_SETFOCUS:
            // Keyboard input belongs to the browser control.
            if (HWND child = ::GetWindow(window, GW_CHILD)) {
                ::SetFocus(child);
            }
            return 0;
        case WM_DESTROY:
            ::KillTimer(window, timerId);
            armedInterval_ = 0;
            // The control goes while the window it lives in is still there.
            browser_.destroy();
            idleWarning_.reset();
            offlineNotice_.reset();
            operatorMenu_.reset();
            if (onClosed) {
                onClosed();
            }
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
