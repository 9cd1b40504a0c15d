#pragma once

#include "platform/SystemVersion.h"

namespace tal::win32 {

class Win32SystemVersion : public platform::SystemVersion {
public:
    platform::WindowsVersion windowsVersion() override;
};

}  // namespace tal::win32
