#pragma once

#include <cstdint>
#include <string>

namespace tal::platform {

namespace message_box_style {
inline constexpr std::uint32_t okOnly = 0;
}  // namespace message_box_style

// Modal message boxes (the name avoids the MessageBox macro of <windows.h>). Text and caption are
// UTF-8; the box shows them through the wide API.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Returns once the box has been dismissed.
    virtual void show(const std::string& text, const std::string& caption, std::uint32_t style) = 0;
};

}  // namespace tal::platform
