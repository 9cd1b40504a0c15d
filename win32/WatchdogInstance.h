#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace detail {
// A mutex that this thread owns: given up, then closed.
inline void ReleaseAndClose(HANDLE mutex) {
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}
}  // namespace detail
using UniqueOwnedMutex = UniqueAny<HANDLE, &detail::ReleaseAndClose>;

// The one watchdog of this session: a named mutex that it holds for its whole life, and the
// named event through which `talwatch.exe /stop` asks it to stop. Both live in the session's
// namespace, so every signed-in user has a watchdog of their own.
class WatchdogInstance {
public:
    static constexpr const wchar_t* mutexName = L"Local\\TAL.talwatch";
    static constexpr const wchar_t* stopEventName = L"Local\\TAL.talwatch.stop";

    // Nothing when another watchdog of this session holds the mutex. Use it from one thread: the
    // mutex belongs to the thread that claimed it.
    static std::optional<WatchdogInstance> claim();

    HANDLE stopEvent() const { return stopEvent_.get(); }

private:
    WatchdogInstance(UniqueOwnedMutex mutex, UniqueHandle stopEvent)
        : mutex_(std::move(mutex)), stopEvent_(std::move(stopEvent)) {}

    UniqueOwnedMutex mutex_;
    UniqueHandle stopEvent_;
};

// Whether a watchdog runs in this session: its mutex exists while it does.
bool WatchdogRuns();
// Sets the stop event of this session's watchdog without waiting for it to end; false when there
// is none or it could not be set (GetLastError tells why).
bool SignalWatchdogStop();

enum class StopResult { stopped, noneRunning, stillRunning };

// Asks the watchdog of this session to stop and waits until its mutex is free, at most `timeout`.
StopResult RequestWatchdogStop(std::chrono::milliseconds timeout);

}  // namespace tal::win32
