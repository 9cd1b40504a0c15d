// A hook procedure that a test sets into the kiosk's user-interface thread from outside: on the
// message registered as "TAL.Test.Busy" it holds that thread for wParam milliseconds, as a long
// wipe or a busy page would, and sets the named event "TAL.Test.Busy" when it starts.
#include <windows.h>

#include "win32/UniqueHandle.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK
    BusyCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == ::RegisterWindowMessageW(L"TAL.Test.Busy")) {
        const tal::win32::UniqueHandle started(
            ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TAL.Test.Busy"));
        ::SetEvent(started.get());
        ::Sleep(static_cast<DWORD>(sent->wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
