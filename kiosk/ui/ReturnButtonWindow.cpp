#include "kiosk/ui/ReturnButtonWindow.h"

#include "win32/Dpi.h"
#include "win32/WindowClass.h"

namespace tal::kiosk_ui {

namespace {

constexpr wchar_t windowClass[] = L"TAL.ReturnButton";
constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
// Client area, and the button within it, in twips.
constexpr float clientWidth = 1830;
constexpr float clientHeight = 495;
constexpr float buttonWidth = 1815;
constexpr float buttonHeight = 495;
constexpr int buttonPoints = 12;

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW definition{};
    definition.cbSize = sizeof definition;
    definition.lpfnWndProc = &win32::ObjectWindowProcedure<ReturnButtonWindow>;
    definition.hInstance = instance;
    definition.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    definition.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    definition.lpszClassName = windowClass;
    ::RegisterClassExW(&definition);
}

}  // namespace

ReturnButtonWindow::ReturnButtonWindow(HINSTANCE instance) {
    RegisterWindowClass(instance);
    // Topmost from its creation, so that it stays above the full-screen window created before it.
    window_ = ::CreateWindowExW(exStyle, windowClass, L"", style, 0, 0, 0, 0, nullptr, nullptr,
                                instance, this);
    const UINT dpi = win32::WindowDpi(window_);
    RECT frame{0, 0, win32::TwipsToPixels(clientWidth, dpi),
               win32::TwipsToPixels(clientHeight, dpi)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    HWND button = ::CreateWindowExW(
        0, L"BUTTON", L"はじめに戻る", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
        win32::TwipsToPixels(buttonWidth, dpi), win32::TwipsToPixels(buttonHeight, dpi), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)), instance, nullptr);
    font_.reset(::CreateFontW(-::MulDiv(buttonPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_BOLD,
                              FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              L"ＭＳ Ｐゴシック"));
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

ReturnButtonWindow::~ReturnButtonWindow() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

platform::WindowHandle ReturnButtonWindow::handle() {
    return reinterpret_cast<platform::WindowHandle>(window_);
}

float ReturnButtonWindow::left() {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return win32::PixelsToTwips(rect.left, win32::WindowDpi(window_));
}

float ReturnButtonWindow::top() {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return win32::PixelsToTwips(rect.top, win32::WindowDpi(window_));
}

void ReturnButtonWindow::moveTo(int x, int y) {
    ::SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReturnButtonWindow::setLeft(float twips) {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    moveTo(win32::TwipsToPixels(twips, win32::WindowDpi(window_)), rect.top);
}

void ReturnButtonWindow::setTop(float twips) {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    moveTo(rect.left, win32::TwipsToPixels(twips, win32::WindowDpi(window_)));
}

LRESULT ReturnButtonWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == buttonId && HIWORD(wParam) == BN_CLICKED && onClick) {
                onClick();
            }
            return 0;
        case WM_SYSCOMMAND:
            // Without Close in the system menu the system refuses these itself; not every
            // platform does, so the window refuses them too.
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            return ::DefWindowProcW(window, message, wParam, lParam);
        case WM_CLOSE:
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
