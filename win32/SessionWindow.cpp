#include "win32/SessionWindow.h"

namespace tal::win32 {

SessionWindow::SessionWindow(HINSTANCE instance) {
    create({{className, COLOR_WINDOW},
            0,
            WS_POPUP,
            L"",
            false,
            "監視用のウィンドウを作成できませんでした。"},
           instance);
}

std::optional<platform::Wake> SessionWindow::takeEvent() {
    if (events_.empty()) {
        return std::nullopt;
    }
    const platform::Wake event = events_.front();
    events_.pop_front();
    return event;
}

LRESULT SessionWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERYENDSESSION:
            // Never holds the end up; only stops restarting the kiosk.
            events_.push_back(platform::Wake::sessionEnding);
            return TRUE;
        case WM_ENDSESSION:
            events_.push_back(wParam ? platform::Wake::sessionEnding
                                     : platform::Wake::sessionContinues);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::win32
