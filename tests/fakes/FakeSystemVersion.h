#pragma once

#include "platform/SystemVersion.h"

namespace tal::fakes {

class FakeSystemVersion : public platform::SystemVersion {
public:
    platform::WindowsVersion version{10, 0};

    platform::WindowsVersion windowsVersion() override { return version; }
};

}  // namespace tal::fakes
