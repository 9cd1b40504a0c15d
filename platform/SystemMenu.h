#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace tal::platform {

namespace menu_flag {
inline constexpr std::uint32_t byCommand = 0x0;
inline constexpr std::uint32_t byPosition = 0x400;
}  // namespace menu_flag

inline constexpr std::uint32_t systemCommandClose = 0xF060;  // SC_CLOSE

// The system-menu calls of user32.
class SystemMenu {
public:
    virtual ~SystemMenu() = default;

    virtual MenuHandle getSystemMenu(WindowHandle window, bool revert) = 0;
    virtual bool deleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) = 0;
};

}  // namespace tal::platform
