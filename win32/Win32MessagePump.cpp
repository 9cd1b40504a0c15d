#include "win32/Win32MessagePump.h"

#include <windows.h>

namespace tal::win32 {

bool Win32MessagePump::dispatchPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program's own loop must still see it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

void Win32MessagePump::waitForMessages(std::uint32_t timeoutMilliseconds) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMilliseconds, QS_ALLINPUT);
}

}  // namespace tal::win32
