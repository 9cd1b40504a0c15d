#include "win32/Win32WatchdogSignals.h"

namespace tal::win32 {

platform::Wake Win32WatchdogSignals::wait(platform::ObjectHandle process,
                                          std::uint32_t timeoutMilliseconds) {
    // Messages that came before the wait: MsgWaitForMultipleObjects only reports new ones.
    if (const auto event = dispatchMessages()) {
        return *event;
    }
    HANDLE handles[] = {stopEvent_, reinterpret_cast<HANDLE>(process)};
    const DWORD count = process != 0 ? 2 : 1;
    const DWORD timeout = timeoutMilliseconds == INFINITE ? INFINITE - 1 : timeoutMilliseconds;
    const DWORD result = ::MsgWaitForMultipleObjects(count, handles, FALSE, timeout, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) {
        return platform::Wake::stopRequested;
    }
    if (result == WAIT_OBJECT_0 + 1 && count == 2) {
        return platform::Wake::processEnded;
    }
    if (result == WAIT_OBJECT_0 + count) {
        if (const auto event = dispatchMessages()) {
            return *event;
        }
    }
    return platform::Wake::timeout;
}

std::optional<platform::Wake> Win32WatchdogSignals::dispatchMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return window_.takeEvent();
}

}  // namespace tal::win32
