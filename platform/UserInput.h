#pragma once

#include <bitset>
#include <cstdint>
#include <optional>

namespace tal::platform {

// Two readings of the system's millisecond tick, taken together.
struct InputTimes {
    // GetTickCount: now.
    std::uint32_t now = 0;
    // GetLastInputInfo: the tick of the session's last keyboard, mouse or touch input.
    std::uint32_t lastInput = 0;
};

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The pointer and the keys and buttons as the system sees them at one moment.
struct InputDevices {
    // GetCursorPos; nothing when the system does not tell (another desktop has the input).
    std::optional<ScreenPoint> pointer;
    // GetAsyncKeyState's high bit for every virtual key from 1 to 255, mouse buttons included:
    // what is held down.
    std::bitset<256> held;
    // GetAsyncKeyState's low bit for any of them: a key or button went down since the last
    // reading, even when it is up again.
    bool pressedSinceLastReading = false;
};

class UserInput {
public:
    virtual ~UserInput() = default;

    virtual InputTimes inputTimes() = 0;
    virtual InputDevices inputDevices() = 0;
};

}  // namespace tal::platform
