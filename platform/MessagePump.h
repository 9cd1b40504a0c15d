#pragma once

#include <cstdint>

namespace tal::platform {

class MessagePump {
public:
    virtual ~MessagePump() = default;

    // One pass of the pump: dispatches every window message that is waiting, then returns. A
    // quit request stays queued for the program's own loop and ends the pass: the result is
    // false then, true otherwise.
    virtual bool dispatchPending() = 0;
    // Sleeps until a window message arrives or `timeoutMilliseconds` have passed.
    virtual void waitForMessages(std::uint32_t timeoutMilliseconds) = 0;
};

}  // namespace tal::platform
