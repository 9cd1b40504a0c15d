#pragma once

#include <cstdint>
#include <optional>

#include "platform/SystemShutdown.h"

namespace tal::win32 {

class Win32SystemShutdown : public platform::SystemShutdown {
public:
    std::optional<std::uint32_t> powerOff(std::uint32_t flags, bool enablePrivilege) override;
};

// Switches the shutdown privilege of this process's token on. The error code of the first call
// that failed, or nothing.
std::optional<std::uint32_t> EnableShutdownPrivilege();

}  // namespace tal::win32
