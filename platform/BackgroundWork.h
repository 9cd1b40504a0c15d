#pragma once

#include <functional>
#include <stop_token>

namespace tal::platform {

// Work that must not hold up the UI thread.
class BackgroundWork {
public:
    virtual ~BackgroundWork() = default;

    // Runs `work` on a thread of its own, then `done` on the UI thread from its message loop.
    // Called again only once `done` has run. When this object goes first, the work is asked to
    // stop through its token and waited for, and `done` never runs.
    virtual void run(std::function<void(std::stop_token)> work, std::function<void()> done) = 0;
};

}  // namespace tal::platform
