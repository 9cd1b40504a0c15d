#pragma once

#include <cstdint>

#include "platform/UserInput.h"

namespace tal::fakes {

// The session's input as a test sets it. The devices' "pressed since the last reading" clears
// when read, as the system's does.
class FakeUserInput : public platform::UserInput {
public:
    platform::InputTimes times;
    platform::InputDevices devices = PointerAt(640, 512);

    static platform::InputDevices PointerAt(std::int32_t x, std::int32_t y) {
        platform::InputDevices devices;
        devices.pointer = platform::ScreenPoint{x, y};
        return devices;
    }

    platform::InputTimes inputTimes() override { return times; }
    platform::InputDevices inputDevices() override {
        platform::InputDevices read = devices;
        devices.pressedSinceLastReading = false;
        return read;
    }
};

}  // namespace tal::fakes
