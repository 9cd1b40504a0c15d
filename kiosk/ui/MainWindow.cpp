#include "kiosk/ui/MainWindow.h"

#include "win32/Dpi.h"
#include "win32/TextConversion.h"
#include "win32/WindowClass.h"

namespace tal::kiosk_ui {

namespace {

constexpr wchar_t mainClass[] = L"TAL.Kiosk";
constexpr wchar_t ownerClass[] = L"TAL.Owner";
constexpr UINT_PTR timerId = 1;
constexpr int programIcon = 1;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = &win32::ObjectWindowProcedure<MainWindow>;
    main.hInstance = instance;
    main.hIcon = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(programIcon), IMAGE_ICON, 32, 32, 0));
    main.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(programIcon), IMAGE_ICON, 16, 16, 0));
    main.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    main.lpszClassName = mainClass;
    ::RegisterClassExW(&main);

    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = &OwnerProcedure;
    owner.hInstance = instance;
    owner.hIcon = main.hIcon;
    owner.lpszClassName = ownerClass;
    ::RegisterClassExW(&owner);
}

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

MainWindow::MainWindow(HINSTANCE instance) {
    RegisterClasses(instance);
    // An owned window has no taskbar button; the owner itself is never shown and has no title.
    owner_ = ::CreateWindowExW(0, ownerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                               nullptr);
    window_ = ::CreateWindowExW(0, mainClass, L"Varnolt", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                owner_, nullptr, instance, this);
    browser_.create(window_);
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
    browser_.destroy();
    if (owner_ != nullptr) {
        ::DestroyWindow(owner_);
    }
}

void MainWindow::show() {
    if (window_ != nullptr) {
        ::ShowWindow(window_, SW_SHOW);
    }
}

bool MainWindow::preTranslate(MSG& message) {
    return window_ != nullptr && ::IsChild(window_, message.hwnd) &&
           browser_.translateAccelerator(message);
}

void MainWindow::close() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

float MainWindow::screenWidth() {
    return win32::PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), win32::WindowDpi(window_));
}

float MainWindow::screenHeight() {
    return win32::PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), win32::WindowDpi(window_));
}

RECT MainWindow::pixels(const TwipsRect& rect) const {
    const UINT dpi = win32::WindowDpi(window_);
    const int left = win32::TwipsToPixels(rect.left, dpi);
    const int top = win32::TwipsToPixels(rect.top, dpi);
    return {left, top, left + win32::TwipsToPixels(rect.width, dpi),
            top + win32::TwipsToPixels(rect.height, dpi)};
}

void MainWindow::setWindowGeometry(Geometry property, float twips) {
    form_.set(property, twips);
    const RECT rect = pixels(form_);
    ::SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setBrowserGeometry(Geometry property, float twips) {
    browserRect_.set(property, twips);
    browser_.setRect(pixels(browserRect_));
}

void MainWindow::navigate(const std::string& url) {
    browser_.navigate(win32::AnsiToWide(url));
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
    if (window_ == nullptr) {
        return;
    }
    if (timerEnabled_ && timerInterval_ > 0) {
        ::SetTimer(window_, timerId, timerInterval_, nullptr);
    } else {
        ::KillTimer(window_, timerId);
    }
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
        case WM_SETFOCUS:
            // Keyboard input belongs to the browser control.
            if (HWND child = ::GetWindow(window, GW_CHILD)) {
                ::SetFocus(child);
            }
            return 0;
        case WM_DESTROY:
            ::KillTimer(window, timerId);
            window_ = nullptr;
            if (onUnload) {
                onUnload();
            }
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
