#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace tal::platform {

namespace window_message {
inline constexpr std::uint32_t close = 0x10;
inline constexpr std::uint32_t quit = 0x12;
}  // namespace window_message

// SetWindowPos: HWND_TOPMOST as insert-after, and its flags.
inline constexpr WindowHandle topmost = static_cast<WindowHandle>(-1);
namespace window_pos {
inline constexpr std::uint32_t noSize = 0x1;
inline constexpr std::uint32_t noMove = 0x2;
inline constexpr std::uint32_t showWindow = 0x40;
}  // namespace window_pos

namespace show_command {
inline constexpr int hide = 0;
inline constexpr int showNormal = 1;
}  // namespace show_command

// The top-level windows of the interactive desktop (user32). Text is in the ANSI code page.
class Desktop {
public:
    virtual ~Desktop() = default;

    // FindWindowA; nullopt stands for a null pointer. Returns 0 when nothing was found.
    virtual WindowHandle findWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& windowName) = 0;
    virtual void showWindow(WindowHandle window, int command) = 0;
    virtual void setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                              int width, int height, std::uint32_t flags) = 0;

    // EnumWindows: calls `visit` once per top-level window in z-order, top first, for as long as
    // it returns true.
    virtual void enumWindows(const std::function<bool(WindowHandle)>& visit) = 0;

    virtual std::size_t getWindowTextLength(WindowHandle window) = 0;
    // GetWindowTextA into a buffer of `maxCount` characters: the characters copied.
    virtual std::string getWindowText(WindowHandle window, std::size_t maxCount) = 0;
    virtual bool isWindowVisible(WindowHandle window) = 0;
    // GetClassNameA into a buffer of `maxCount` characters: the characters copied.
    virtual std::string getClassName(WindowHandle window, std::size_t maxCount) = 0;
    // GetWindowThreadProcessId: the owning process, 0 for a window that is gone.
    virtual std::uint32_t windowProcessId(WindowHandle window) = 0;

    virtual void postMessage(WindowHandle window, std::uint32_t message) = 0;
};

}  // namespace tal::platform
