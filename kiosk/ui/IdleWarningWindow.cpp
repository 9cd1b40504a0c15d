#include "kiosk/ui/IdleWarningWindow.h"

#include <string>

#include "win32/Dpi.h"
#include "win32/TextConversion.h"
#include "win32/WindowClass.h"

namespace tal::kiosk_ui {

namespace {

constexpr wchar_t windowClass[] = L"TAL.IdleWarning";
constexpr DWORD style = WS_POPUP | WS_DLGFRAME;
constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
constexpr int messageId = 200;

// The client area and the controls within it, in twips.
struct Box {
    float left;
    float top;
    float width;
    float height;
};
constexpr float clientWidth = 6000;
constexpr float clientHeight = 2700;
constexpr Box messageBox{240, 300, 5520, 480};
constexpr Box countdownBox{240, 900, 5520, 480};
constexpr Box buttonBox{2100, 1740, 1800, 600};
constexpr int messagePoints = 14;
constexpr int buttonPoints = 12;

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW definition{};
    definition.cbSize = sizeof definition;
    if (::GetClassInfoExW(instance, windowClass, &definition)) {
        return;
    }
    definition.lpfnWndProc = &win32::ObjectWindowProcedure<IdleWarningWindow>;
    definition.hInstance = instance;
    definition.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    definition.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    definition.lpszClassName = windowClass;
    ::RegisterClassExW(&definition);
}

HFONT Gothic(int points, int weight, UINT dpi) {
    return ::CreateFontW(-::MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, weight, FALSE,
                         FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

void Place(HWND control, const Box& box, UINT dpi) {
    ::MoveWindow(control, win32::TwipsToPixels(box.left, dpi), win32::TwipsToPixels(box.top, dpi),
                 win32::TwipsToPixels(box.width, dpi), win32::TwipsToPixels(box.height, dpi),
                 FALSE);
}

}  // namespace

IdleWarningWindow::IdleWarningWindow(HINSTANCE instance) {
    RegisterWindowClass(instance);
    window_ = ::CreateWindowExW(exStyle, windowClass, L"", style, 0, 0, 0, 0, nullptr, nullptr,
                                instance, this);
    const auto child = [&](const wchar_t* className, const wchar_t* text, DWORD childStyle,
                           int id) {
        ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | childStyle, 0, 0, 0, 0,
                          window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                          nullptr);
    };
    child(L"STATIC", L"まもなく最初の画面に戻ります", SS_CENTER | SS_NOPREFIX, messageId);
    child(L"STATIC", L"", SS_CENTER | SS_NOPREFIX, countdownId);
    child(L"BUTTON", L"続ける", WS_TABSTOP | BS_DEFPUSHBUTTON, continueButtonId);
    layOut(win32::WindowDpi(window_));
}

IdleWarningWindow::~IdleWarningWindow() {
    onContinue = nullptr;
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

void IdleWarningWindow::layOut(UINT dpi) {
    messageFont_.reset(Gothic(messagePoints, FW_BOLD, dpi));
    buttonFont_.reset(Gothic(buttonPoints, FW_NORMAL, dpi));
    RECT frame{0, 0, win32::TwipsToPixels(clientWidth, dpi),
               win32::TwipsToPixels(clientHeight, dpi)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // In the middle of the primary screen, where the kiosk's window is.
    ::SetWindowPos(window_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    const struct {
        int id;
        Box box;
        HFONT font;
    } controls[] = {{messageId, messageBox, messageFont_.get()},
                    {countdownId, countdownBox, messageFont_.get()},
                    {continueButtonId, buttonBox, buttonFont_.get()}};
    for (const auto& control : controls) {
        HWND child = ::GetDlgItem(window_, control.id);
        Place(child, control.box, dpi);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
    }
}

void IdleWarningWindow::show(std::uint32_t secondsLeft) {
    const std::wstring text = L"あと " + std::to_wstring(secondsLeft) + L" 秒";
    ::SetDlgItemTextW(window_, countdownId, text.c_str());
    if (!::IsWindowVisible(window_)) {
        ::SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void IdleWarningWindow::hide() {
    ::ShowWindow(window_, SW_HIDE);
}

LRESULT IdleWarningWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == continueButtonId && HIWORD(wParam) == BN_CLICKED && onContinue) {
                onContinue();
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            return ::DefWindowProcW(window, message, wParam, lParam);
        case WM_CLOSE:
            return 0;
        case WM_DPICHANGED:
            layOut(HIWORD(wParam));
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
