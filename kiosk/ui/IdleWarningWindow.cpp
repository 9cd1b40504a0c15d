#include "kiosk/ui/IdleWarningWindow.h"

#include <string>
#include <utility>

#include "kiosk/ui/CenteredPopup.h"
#include "win32/Dpi.h"
#include "win32/Failure.h"
#include "win32/Font.h"

namespace tal::kiosk_ui {

namespace {

constexpr char whatFailed[] = "予告のウィンドウを作成できませんでした。";
constexpr DWORD style = WS_POPUP | WS_DLGFRAME;
constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
constexpr int messageId = 200;

// The client area and the controls within it, in twips.
constexpr float clientWidth = 6000;
constexpr float clientHeight = 2700;
constexpr TwipsBox messageBox{240, 300, 5520, 480};
constexpr TwipsBox countdownBox{240, 900, 5520, 480};
constexpr TwipsBox buttonBox{2100, 1740, 1800, 600};
constexpr int messagePoints = 14;
constexpr int buttonPoints = 12;

}  // namespace

IdleWarningWindow::IdleWarningWindow(HINSTANCE instance) {
    // Untitled, so that the window guard spares it; a hidden owner keeps it off the taskbar.
    create({{L"TAL.IdleWarning", COLOR_WINDOW}, exStyle, style, L"", true, whatFailed}, instance);
    const auto child = [&](const wchar_t* className, const wchar_t* text, DWORD childStyle,
                           int id) {
        if (::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | childStyle, 0, 0, 0, 0,
                              window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                              nullptr) == nullptr) {
            throw win32::Failure(whatFailed, ::GetLastError());
        }
    };
    child(L"STATIC", L"まもなく最初の画面に戻ります", SS_CENTER | SS_NOPREFIX, messageId);
    child(L"STATIC", L"", SS_CENTER | SS_NOPREFIX, countdownId);
    child(L"BUTTON", L"続ける", WS_TABSTOP | BS_DEFPUSHBUTTON, continueButtonId);
    layOut(win32::WindowDpi(window()));
}

IdleWarningWindow::~IdleWarningWindow() {
    onContinue = nullptr;
    destroy();
}

void IdleWarningWindow::layOut(UINT dpi) {
    win32::UniqueFont messageFont =
        win32::CreateUiFont(messagePoints, win32::FontWeight::bold, dpi);
    win32::UniqueFont buttonFont =
        win32::CreateUiFont(buttonPoints, win32::FontWeight::normal, dpi);
    CenterOnScreen(window(), clientWidth, clientHeight, style, exStyle, dpi);
    const struct {
        int id;
        TwipsBox box;
        HFONT font;
    } controls[] = {{messageId, messageBox, messageFont.get()},
                    {countdownId, countdownBox, messageFont.get()},
                    {continueButtonId, buttonBox, buttonFont.get()}};
    for (const auto& control : controls) {
        HWND child = ::GetDlgItem(window(), control.id);
        PlaceControl(child, control.box, dpi);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), TRUE);
    }
    // The controls use the new fonts now; the old ones may go.
    messageFont_ = std::move(messageFont);
    buttonFont_ = std::move(buttonFont);
}

void IdleWarningWindow::show(std::uint32_t secondsLeft) {
    const std::wstring text = L"あと " + std::to_wstring(secondsLeft) + L" 秒";
    ::SetDlgItemTextW(window(), countdownId, text.c_str());
    if (!::IsWindowVisible(window())) {
        ::SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void IdleWarningWindow::hide() {
    ::ShowWindow(window(), SW_HIDE);
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
        case WM_CTLCOLORSTATIC:
            return win32::StaticOnWindowColor(wParam);
        case WM_DPICHANGED:
            layOut(HIWORD(wParam));
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
