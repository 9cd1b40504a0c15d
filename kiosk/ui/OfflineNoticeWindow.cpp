#include "kiosk/ui/OfflineNoticeWindow.h"

#include <string>
#include <utility>

#include "win32/Dpi.h"
#include "win32/Failure.h"
#include "win32/Font.h"

namespace tal::kiosk_ui {

namespace {

constexpr char whatFailed[] = "接続できないときのお知らせを作成できませんでした。";
constexpr int messagePoints = 28;
constexpr int countdownPoints = 16;
constexpr int pointsPerInch = 72;

}  // namespace

OfflineNoticeWindow::OfflineNoticeWindow(HINSTANCE instance, HWND parent) {
    // Clipped against its siblings, so that drawing the control beneath never spills over it.
    create({{L"TAL.OfflineNotice", COLOR_WINDOW},
            0,
            WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
            L"",
            false,
            whatFailed},
           instance, parent);
    for (const auto& [id, text] : {std::pair{offlineMessageId, L"ただいまページを表示できません"},
                                   std::pair{offlineCountdownId, L""}}) {
        if (::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                              0, 0, 0, 0, window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                              nullptr) == nullptr) {
            throw win32::Failure(whatFailed, ::GetLastError());
        }
    }
}

OfflineNoticeWindow::~OfflineNoticeWindow() {
    destroy();
}

bool OfflineNoticeWindow::shown() const {
    return (::GetWindowLongPtrW(window(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void OfflineNoticeWindow::place(const RECT& area) {
    ::SetWindowPos(window(), nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OfflineNoticeWindow::show(std::uint32_t secondsLeft) {
    const std::wstring text =
        L"接続を確認しています。" + std::to_wstring(secondsLeft) + L" 秒後にもう一度表示します。";
    ::SetDlgItemTextW(window(), offlineCountdownId, text.c_str());
    if (!shown()) {
        ::SetWindowPos(window(), HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void OfflineNoticeWindow::hide() {
    // At the bottom, so that the main window hands the keyboard to the browser control again.
    ::SetWindowPos(window(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void OfflineNoticeWindow::raise() {
    ::SetWindowPos(window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OfflineNoticeWindow::layOut() {
    const UINT dpi = win32::WindowDpi(window());
    win32::UniqueFont messageFont =
        win32::CreateUiFont(messagePoints, win32::FontWeight::bold, dpi);
    win32::UniqueFont countdownFont =
        win32::CreateUiFont(countdownPoints, win32::FontWeight::normal, dpi);
    RECT client{};
    ::GetClientRect(window(), &client);
    // Two lines of each size, room for a text that wraps, the message above the middle.
    const int messageHeight = ::MulDiv(2 * messagePoints, static_cast<int>(dpi), pointsPerInch);
    const int countdownHeight = ::MulDiv(2 * countdownPoints, static_cast<int>(dpi), pointsPerInch);
    const int middle = client.bottom / 2;
    const struct {
        int id;
        int top;
        int height;
        HFONT font;
    } texts[] = {
        {offlineMessageId, middle - messageHeight, messageHeight, messageFont.get()},
        {offlineCountdownId, middle + countdownHeight / 2, countdownHeight, countdownFont.get()}};
    for (const auto& text : texts) {
        HWND control = ::GetDlgItem(window(), text.id);
        ::MoveWindow(control, 0, text.top, client.right, text.height, FALSE);
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(text.font), TRUE);
    }
    // The texts use the new fonts now; the old ones may go.
    messageFont_ = std::move(messageFont);
    countdownFont_ = std::move(countdownFont);
}

LRESULT OfflineNoticeWindow::handleMessage(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layOut();
            return 0;
        case WM_CTLCOLORSTATIC:
            return win32::StaticOnWindowColor(wParam);
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
