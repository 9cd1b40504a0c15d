#include "tests/fakes/FakeWatchdogSignals.h"

#include <algorithm>

namespace tal::fakes {

platform::Wake FakeWatchdogSignals::wait(platform::ObjectHandle process,
                                         std::uint32_t timeoutMilliseconds) {
    timeouts.push_back(timeoutMilliseconds);
    if (clock_.now >= limit) {
        ranOut = true;
        return platform::Wake::stopRequested;
    }
    std::uint32_t at = clock_.now + timeoutMilliseconds;
    platform::Wake wake = platform::Wake::timeout;
    if (process != 0) {
        if (const auto end = kiosks_.endTime(process); end && *end <= at) {
            at = std::max(*end, clock_.now);
            wake = platform::Wake::processEnded;
        }
    }
    if (!events.empty() && events.front().at < at) {
        at = std::max(events.front().at, clock_.now);
        wake = events.front().wake;
        events.pop_front();
    }
    clock_.now = at;
    return wake;
}

}  // namespace tal::fakes
