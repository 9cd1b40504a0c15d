#pragma once

#include <cstdint>

namespace tal::platform {

// Two readings of the system's millisecond tick, taken together.
struct InputTimes {
    // GetTickCount: now.
    std::uint32_t now = 0;
    // GetLastInputInfo: the tick of the session's last keyboard, mouse or touch input.
    std::uint32_t lastInput = 0;
};

class UserInput {
public:
    virtual ~UserInput() = default;

    virtual InputTimes inputTimes() = 0;
};

}  // namespace tal::platform
