#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/WatchdogSignals.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeKiosks.h"

namespace tal::fakes {

struct TimedWake {
    std::uint32_t at = 0;
    platform::Wake wake = platform::Wake::timeout;
};

// Each wait moves the fake clock on to whatever comes first: the next scripted event, the end of
// the watched kiosk, or the timeout. Past `limit` it asks for a stop, so that no test runs away.
class FakeWatchdogSignals : public platform::WatchdogSignals {
public:
    FakeWatchdogSignals(FakeClock& clock, FakeKiosks& kiosks) : clock_(clock), kiosks_(kiosks) {}

    // In time order.
    std::deque<TimedWake> events;
    std::uint32_t limit = 24 * 3600 * 1000;
    bool ranOut = false;
    std::vector<std::uint32_t> timeouts;
    // GetSystemMetrics(SM_SHUTTINGDOWN) reads non-zero from `shutdownFrom` until `shutdownUntil`.
    std::uint32_t shutdownFrom = 0;
    std::uint32_t shutdownUntil = 0;

    platform::Wake wait(platform::ObjectHandle process, std::uint32_t timeoutMilliseconds) override;
    bool isShuttingDown() override {
        return clock_.now >= shutdownFrom && clock_.now < shutdownUntil;
    }

private:
    FakeClock& clock_;
    FakeKiosks& kiosks_;
};

}  // namespace tal::fakes
