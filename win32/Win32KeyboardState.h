#pragma once

#include "platform/KeyboardState.h"

namespace tal::win32 {

class Win32KeyboardState : public platform::KeyboardState {
public:
    bool isKeyDown(std::uint32_t virtualKey) override;
    std::uint32_t foregroundProcessId() override;
};

}  // namespace tal::win32
