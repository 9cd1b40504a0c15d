#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/MessagePump.h"
#include "tests/fakes/FakeClock.h"

namespace tal::fakes {

// Each wait lets the clock move on by the time asked for, as if no message arrived.
class FakeMessagePump : public platform::MessagePump {
public:
    explicit FakeMessagePump(FakeClock& clock) : clock_(clock) {}

    int passes = 0;
    std::vector<std::uint32_t> waits;
    std::function<void()> onPass;
    // A quit request waiting in the queue.
    bool quitQueued = false;

    bool dispatchPending() override {
        ++passes;
        if (onPass) {
            onPass();
        }
        return !quitQueued;
    }
    void waitForMessages(std::uint32_t timeoutMilliseconds) override {
        waits.push_back(timeoutMilliseconds);
        clock_.now += timeoutMilliseconds;
    }

private:
    FakeClock& clock_;
};

}  // namespace tal::fakes
