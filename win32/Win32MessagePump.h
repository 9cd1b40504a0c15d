#pragma once

#include "platform/MessagePump.h"

namespace tal::win32 {

class Win32MessagePump : public platform::MessagePump {
public:
    bool dispatchPending() override;
    void waitForMessages(std::uint32_t timeoutMilliseconds) override;
};

}  // namespace tal::win32
