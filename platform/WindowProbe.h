#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace tal::platform {

namespace window_message {
inline constexpr std::uint32_t null = 0x0;
}  // namespace window_message

namespace send_message_flag {
inline constexpr std::uint32_t abortIfHung = 0x2;  // SMTO_ABORTIFHUNG
}  // namespace send_message_flag

// Asks a window of another process whether its thread still handles messages.
class WindowProbe {
public:
    virtual ~WindowProbe() = default;

    // SendMessageTimeoutW with wParam and lParam 0: true when the window answered in time.
    virtual bool sendMessageTimeout(WindowHandle window, std::uint32_t message, std::uint32_t flags,
                                    std::uint32_t timeoutMilliseconds) = 0;
};

}  // namespace tal::platform
