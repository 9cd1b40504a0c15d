#include "win32/CoverWindow.h"

#include "win32/Dpi.h"
#include "win32/Failure.h"
#include "win32/Font.h"

namespace tal::win32 {

namespace {

constexpr char whatFailed[] = "待機画面を作成できませんでした。";
constexpr int textPoints = 40;

HBRUSH Black() {
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

}  // namespace

CoverWindow::CoverWindow(HINSTANCE instance) {
    // A tool window: no taskbar button.
    create({{className, COLOR_WINDOWTEXT},
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
            WS_POPUP,
            L"",
            false,
            whatFailed},
           instance);
    text_ = ::CreateWindowExW(0, L"STATIC", L"しばらくお待ちください",
                              WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0,
                              0, 0, 0, handle(), nullptr, instance, nullptr);
    if (text_ == nullptr) {
        throw Failure(whatFailed, ::GetLastError());
    }
}

void CoverWindow::show() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    ::SetWindowPos(handle(), HWND_TOPMOST, left, top, ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                   ::GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_SHOWWINDOW);
    // The primary screen's origin is the virtual screen's (0, 0).
    ::MoveWindow(text_, -left, -top, ::GetSystemMetrics(SM_CXSCREEN),
                 ::GetSystemMetrics(SM_CYSCREEN), FALSE);
    UniqueFont font = CreateUiFont(textPoints, FontWeight::bold, WindowDpi(handle()));
    ::SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    // Keys go to the cover rather than to a window hidden beneath it, where the system allows.
    ::SetForegroundWindow(handle());
}

void CoverWindow::hide() {
    ::ShowWindow(handle(), SW_HIDE);
}

LRESULT CoverWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // A visitor's Alt+F4 or another program's request: the watchdog's stop does not
            // come this way.
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(window, &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, Black());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(Black());
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tal::win32
