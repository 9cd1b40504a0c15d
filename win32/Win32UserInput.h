#pragma once

#include "platform/UserInput.h"

namespace tal::win32 {

class Win32UserInput : public platform::UserInput {
public:
    platform::InputTimes inputTimes() override;
    platform::InputDevices inputDevices() override;
};

}  // namespace tal::win32
