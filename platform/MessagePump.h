#pragma once

namespace tal::platform {

class MessagePump {
  public:
    virtual ~MessagePump() = default;

    // One pass of the pump: dispatches every window message that is waiting, then returns.
    virtual void dispatchPending() = 0;
};

}  // namespace tal::platform
