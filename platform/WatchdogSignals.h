#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace tal::platform {

// What ended a wait of the watchdog.
enum class Wake {
    timeout,
    processEnded,
    stopRequested,
    // WM_QUERYENDSESSION, or WM_ENDSESSION that confirms the end.
    sessionEnding,
    // WM_ENDSESSION that reports the end was cancelled.
    sessionContinues,
};

// The watchdog's waiting: its stop request, the session messages of its hidden window and the
// process it watches; and the system's own word on whether the session is ending.
class WatchdogSignals {
public:
    virtual ~WatchdogSignals() = default;

    // MsgWaitForMultipleObjects over the stop request and `process` (0: none), handling window
    // messages meanwhile, for at most `timeoutMilliseconds`.
    virtual Wake wait(ObjectHandle process, std::uint32_t timeoutMilliseconds) = 0;
    // GetSystemMetrics(SM_SHUTTINGDOWN): the session is ending, whether or not this program's
    // window has heard of it yet.
    virtual bool isShuttingDown() = 0;
};

}  // namespace tal::platform
