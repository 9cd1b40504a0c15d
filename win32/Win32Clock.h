#pragma once

#include "platform/Clock.h"

namespace tal::win32 {

class Win32Clock : public platform::Clock {
public:
    std::uint32_t tickCount() override;
    platform::TimeOfDay localTime() override;
};

}  // namespace tal::win32
