#include "kiosk/ui/ReturnButtonWindow.h"

#include "win32/Dpi.h"
#include "win32/Font.h"

namespace tal::kiosk_ui {

namespace {

constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
// Client area, and the button within it, in twips.
constexpr float clientWidth = 1830;
constexpr float clientHeight = 495;
constexpr float buttonWidth = 1815;
constexpr float buttonHeight = 495;
constexpr int buttonPoints = 12;
constexpr char whatFailed[] = "戻るボタンを作成できませんでした。";

}  // namespace

ReturnButtonWindow::ReturnButtonWindow(HINSTANCE instance) {
    // Topmost from its creation, so that it stays above the full-screen window created before it.
    create({{L"TAL.ReturnButton", COLOR_WINDOW}, exStyle, style, L"", false, whatFailed}, instance);
    button_ = ::CreateWindowExW(
        0, L"BUTTON", L"はじめに戻る", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
        0, window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)), instance, nullptr);
    if (button_ == nullptr) {
        throw win32::Failure(whatFailed, ::GetLastError());
    }
    applyDpi(win32::WindowDpi(window()));
}

ReturnButtonWindow::~ReturnButtonWindow() {
    onClick = nullptr;
    destroy();
}

void ReturnButtonWindow::showAgain() {
    ::ShowWindow(window(), SW_HIDE);
    ::ShowWindow(window(), SW_SHOWNOACTIVATE);
}

void ReturnButtonWindow::applyDpi(UINT dpi) {
    dpi_ = dpi;
    RECT frame{0, 0, win32::TwipsToPixels(clientWidth, dpi),
               win32::TwipsToPixels(clientHeight, dpi)};
    win32::AdjustWindowRectForDpi(frame, style, exStyle, dpi);
    ::SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::MoveWindow(button_, 0, 0, win32::TwipsToPixels(buttonWidth, dpi),
                 win32::TwipsToPixels(buttonHeight, dpi), TRUE);
    win32::UniqueFont font = win32::CreateUiFont(buttonPoints, win32::FontWeight::bold, dpi);
    ::SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The button uses the new font now; the old one may go.
    font_ = std::move(font);
}

platform::WindowHandle ReturnButtonWindow::handle() {
    return reinterpret_cast<platform::WindowHandle>(window());
}

float ReturnButtonWindow::left() {
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    return win32::PixelsToTwips(rect.left, dpi_);
}

float ReturnButtonWindow::top() {
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    return win32::PixelsToTwips(rect.top, dpi_);
}

void ReturnButtonWindow::moveTo(int x, int y) {
    ::SetWindowPos(window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReturnButtonWindow::setLeft(float twips) {
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    moveTo(win32::TwipsToPixels(twips, dpi_), rect.top);
}

void ReturnButtonWindow::setTop(float twips) {
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    moveTo(rect.left, win32::TwipsToPixels(twips, dpi_));
}

LRESULT ReturnButtonWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == buttonId && HIWORD(wParam) == BN_CLICKED && onClick) {
                onClick();
            }
            return 0;
        case WM_ACTIVATE:
            // The keyboard belongs to the button, so that Space presses it.
            if (LOWORD(wParam) != WA_INACTIVE) {
                ::SetFocus(button_);
            }
            return 0;
        case WM_SETFOCUS:
            ::SetFocus(button_);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            moveTo(suggested->left, suggested->top);
            applyDpi(HIWORD(wParam));
            return 0;
        }
        case WM_SYSCOMMAND:
            // Without Close in the system menu the system refuses these itself; not every
            // platform does, so the window refuses them too.
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            return ::DefWindowProcW(window, message, wParam, lParam);
        case WM_CLOSE:
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
