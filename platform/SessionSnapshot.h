#pragma once

#include <optional>
#include <vector>

#include "platform/Types.h"

namespace tal::platform {

// The window guard's snapshot as the first kiosk of the session took it, kept for the kiosks
// that follow it: a per-session named object that the watchdog holds for its whole life. Without
// a watchdog it goes with the kiosk that made it.
class SessionSnapshot {
public:
    virtual ~SessionSnapshot() = default;

    // The snapshot that a kiosk of this session published; nullopt when there is none.
    virtual std::optional<std::vector<WindowHandle>> published() = 0;
    // Publishes `windows` unless a snapshot is published already, the first one staying. False
    // when it was not published.
    virtual bool publish(const std::vector<WindowHandle>& windows) = 0;
};

}  // namespace tal::platform
