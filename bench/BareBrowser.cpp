// The yardstick for the kiosk's start-up: a program that only opens a window and creates the same
// browser control in it, navigated to the same page, with none of the kiosk's own work.
#include <ole2.h>
#include <windows.h>

#include "kiosk/ui/BrowserHost.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (FAILED(::OleInitialize(nullptr))) {
        return 1;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TalBareBrowser";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(
        0, L"TalBareBrowser", L"Bare", WS_POPUP, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
        ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    int result = 0;
    {
        tal::kiosk_ui::BrowserHost browser;
        browser.create(window);
        RECT client{};
        ::GetClientRect(window, &client);
        browser.setRect(client);
        browser.navigate(L"about:blank");
        ::ShowWindow(window, SW_SHOW);
        MSG message{};
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        result = static_cast<int>(message.wParam);
    }
    ::OleUninitialize();
    return result;
}
