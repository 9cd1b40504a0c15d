#include "win32/WatchdogInstance.h"

namespace tal::win32 {

std::optional<WatchdogInstance> WatchdogInstance::claim() {
    UniqueHandle mutex(::CreateMutexW(nullptr, TRUE, mutexName));
    if (!mutex || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        return std::nullopt;
    }
    // Auto-reset: one request wakes the watchdog once.
    UniqueHandle stopEvent(::CreateEventW(nullptr, FALSE, FALSE, stopEventName));
    if (!stopEvent) {
        return std::nullopt;
    }
    return WatchdogInstance(std::move(mutex), std::move(stopEvent));
}

StopResult RequestWatchdogStop(std::chrono::milliseconds timeout) {
    const UniqueHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, WatchdogInstance::mutexName));
    if (!mutex) {
        return StopResult::noneRunning;
    }
    const UniqueHandle stopEvent(
        ::OpenEventW(EVENT_MODIFY_STATE, FALSE, WatchdogInstance::stopEventName));
    if (!stopEvent || !::SetEvent(stopEvent.get())) {
        return StopResult::stillRunning;
    }
    // The watchdog holds the mutex until it ends; its end abandons it if it never let go.
    switch (::WaitForSingleObject(mutex.get(), static_cast<DWORD>(timeout.count()))) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:
            ::ReleaseMutex(mutex.get());
            return StopResult::stopped;
        default:
            return StopResult::stillRunning;
    }
}

}  // namespace tal::win32
