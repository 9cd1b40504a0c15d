#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Types.h"

namespace tal::win32 {

// Boxes are owned by `owner` (a window handle, or 0 for none) so that they are modal to it.
class Win32MessageBoxes : public platform::MessageBoxes {
public:
    explicit Win32MessageBoxes(platform::WindowHandle owner = 0) : owner_(owner) {}
    void setOwner(platform::WindowHandle owner) { owner_ = owner; }
    void show(const std::string& text, const std::string& caption, std::uint32_t style) override;

private:
    platform::WindowHandle owner_;
};

}  // namespace tal::win32
