#pragma once

#include "platform/WindowProbe.h"

namespace tal::win32 {

class Win32WindowProbe : public platform::WindowProbe {
public:
    bool sendMessageTimeout(platform::WindowHandle window, std::uint32_t message,
                            std::uint32_t flags, std::uint32_t timeoutMilliseconds) override;
};

}  // namespace tal::win32
