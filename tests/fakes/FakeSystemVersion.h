#pragma once

#include "platform/SystemVersion.h"

namespace tal::fakes {

struct FakeSystemVersion : platform::SystemVersion {
    platform::WindowsVersion version{10, 0};
    platform::WindowsVersion windowsVersion() override { return version; }
};

}  // namespace tal::fakes
