#include "win32/SessionWindow.h"

#include "win32/WindowClass.h"

namespace tal::win32 {

SessionWindow::SessionWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ObjectWindowProcedure<SessionWindow>;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    // A second window in the same process finds the class registered already.
    ::RegisterClassExW(&windowClass);
    window_.reset(::CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, this));
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
