#pragma once

#include <windows.h>

#include "platform/WatchdogSignals.h"
#include "win32/SessionWindow.h"

namespace tal::win32 {

// Waits on the stop event and the watched process while the session window gets its messages.
class Win32WatchdogSignals : public platform::WatchdogSignals {
public:
    // `stopEvent` stays owned by the caller.
    Win32WatchdogSignals(HINSTANCE instance, HANDLE stopEvent)
        : stopEvent_(stopEvent), window_(instance) {}

    platform::Wake wait(platform::ObjectHandle process, std::uint32_t timeoutMilliseconds) override;
    bool isShuttingDown() override { return ::GetSystemMetrics(SM_SHUTTINGDOWN) != 0; }

    const SessionWindow& sessionWindow() const { return window_; }

private:
    // Dispatches every waiting message; a session event among them, if any.
    std::optional<platform::Wake> dispatchMessages();

    HANDLE stopEvent_;
    SessionWindow window_;
};

}  // namespace tal::win32
