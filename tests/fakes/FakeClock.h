#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace tal::fakes {

// A settable clock. Each tick-count read advances the clock by `stepPerRead` milliseconds, so
// that a loop waiting on the clock makes progress.
class FakeClock : public platform::Clock {
public:
    std::uint32_t now = 0;
    std::uint32_t stepPerRead = 0;
    platform::TimeOfDay time;

    std::uint32_t tickCount() override {
        const std::uint32_t read = now;
        now += stepPerRead;
        return read;
    }
    platform::TimeOfDay localTime() override { return time; }
};

}  // namespace tal::fakes
