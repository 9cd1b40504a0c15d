#pragma once

#include <cstdint>

namespace tal::platform {

// The system's own state of the keyboard, which sees every key that reached it, also those a
// keyboard hook missed, and who gets the keys.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;

    // GetAsyncKeyState: whether the key is down now. A generic modifier (Shift, Ctrl, Alt) is
    // down while either of its two keys is.
    virtual bool isKeyDown(std::uint32_t virtualKey) = 0;
    // GetWindowThreadProcessId(GetForegroundWindow()): the process whose window takes the keys;
    // 0 for none.
    virtual std::uint32_t foregroundProcessId() = 0;
};

}  // namespace tal::platform
