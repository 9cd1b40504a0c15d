#pragma once

#include <cstdint>

namespace tal::platform {

// What follows the kiosk's process when it ends on purpose: the watchdog of the session, which
// holds its named mutex for its whole life, or a new process of the kiosk that it starts itself.
class Succession {
public:
    virtual ~Succession() = default;

    // OpenMutexW on the watchdog's mutex: whether a watchdog runs in this session.
    virtual bool watchdogRuns() = 0;
    // Sets the stop event of the session's watchdog, as `talwatch.exe /stop` does, without waiting
    // for it; false when it could not be set.
    virtual bool stopWatchdog() = 0;
    // CreateProcessW of this program's executable with this process's command line and current
    // folder, then WaitForInputIdle on the new process for at most `waitMilliseconds`; false when
    // the start failed.
    virtual bool startCopy(std::uint32_t waitMilliseconds) = 0;
    // GetLastError right after the call that failed last.
    virtual std::uint32_t lastError() = 0;
};

}  // namespace tal::platform
