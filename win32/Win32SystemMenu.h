#pragma once

#include "platform/SystemMenu.h"

namespace tal::win32 {

class Win32SystemMenu : public platform::SystemMenu {
public:
    platform::MenuHandle getSystemMenu(platform::WindowHandle window, bool revert) override;
    bool deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                    std::uint32_t flags) override;
};

}  // namespace tal::win32
