#include "win32/WatchdogInstance.h"

namespace tal::win32 {

std::optional<WatchdogInstance> WatchdogInstance::claim() {
    // Owned only when this call created it; an existing one is just opened.
    HANDLE created = ::CreateMutexW(nullptr, TRUE, mutexName);
    if (created == nullptr) {
        return std::nullopt;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(created);
        return std::nullopt;
    }
    UniqueOwnedMutex mutex(created);
    // Auto-reset: one request wakes the watchdog once.
    UniqueHandle stopEvent(::CreateEventW(nullptr, FALSE, FALSE, stopEventName));
    if (!stopEvent) {
        return std::nullopt;
    }
    return WatchdogInstance(std::move(mutex), std::move(stopEvent));
}

bool WatchdogRuns() {
    return UniqueHandle(::OpenMutexW(SYNCHRONIZE, FALSE, WatchdogInstance::mutexName)).get() !=
           nullptr;
}

bool SignalWatchdogStop() {
    const UniqueHandle stopEvent(
        ::OpenEventW(EVENT_MODIFY_STATE, FALSE, WatchdogInstance::stopEventName));
    return stopEvent && ::SetEvent(stopEvent.get());
}

StopResult RequestWatchdogStop(std::chrono::milliseconds timeout) {
    const UniqueHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, WatchdogInstance::mutexName));
    if (!mutex) {
        return StopResult::noneRunning;
    }
    if (!SignalWatchdogStop()) {
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
