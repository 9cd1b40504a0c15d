#pragma once

#include <cstdint>
#include <set>

#include "platform/KeyboardState.h"

namespace tal::fakes {

// The keys a test holds down and the process in front. A generic modifier (Shift, Ctrl, Alt) is
// down while it or either of its keys is, as the system reports it.
class FakeKeyboardState : public platform::KeyboardState {
public:
    static constexpr std::uint32_t kioskProcess = 4242;

    std::set<std::uint32_t> down;
    std::uint32_t foregroundProcess = kioskProcess;

    bool isKeyDown(std::uint32_t key) override {
        if (down.contains(key)) {
            return true;
        }
        // 0x10-0x12 -> left keys 0xA0, 0xA2, 0xA4, each right key one above.
        const std::uint32_t left = 0xA0 + 2 * (key - 0x10);
        return key >= 0x10 && key <= 0x12 && (down.contains(left) || down.contains(left + 1));
    }
    std::uint32_t foregroundProcessId() override { return foregroundProcess; }
};

}  // namespace tal::fakes
