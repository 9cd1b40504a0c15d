#include "win32/Win32Desktop.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace tal::win32 {

// The logic's copies of the user32 values that it passes through this port.
static_assert(platform::window_message::close == WM_CLOSE);
static_assert(platform::window_message::quit == WM_QUIT);
static_assert(platform::window_pos::noSize == SWP_NOSIZE);
static_assert(platform::window_pos::noMove == SWP_NOMOVE);
static_assert(platform::window_pos::showWindow == SWP_SHOWWINDOW);
static_assert(platform::show_command::hide == SW_HIDE);
static_assert(platform::show_command::showNormal == SW_SHOWNORMAL);

namespace {

HWND ToHwnd(platform::WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

int ToCount(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

// No exception may cross EnumWindows: the visitor's own stays here and stops the enumeration.
BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor) {
    try {
        const auto& visit =
            *reinterpret_cast<const std::function<bool(platform::WindowHandle)>*>(visitor);
        return visit(reinterpret_cast<platform::WindowHandle>(window)) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

platform::WindowHandle Win32Desktop::findWindow(const std::optional<std::string>& className,
                                                const std::optional<std::string>& windowName) {
    return reinterpret_cast<platform::WindowHandle>(::FindWindowA(
        className ? className->c_str() : nullptr, windowName ? windowName->c_str() : nullptr));
}

void Win32Desktop::showWindow(platform::WindowHandle window, int command) {
    ::ShowWindow(ToHwnd(window), command);
}

void Win32Desktop::setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter,
                                int x, int y, int width, int height, std::uint32_t flags) {
    // HWND_TOPMOST is a pointer cast, which no static_assert can compare: map it by name.
    const HWND after = insertAfter == platform::topmost ? HWND_TOPMOST : ToHwnd(insertAfter);
    ::SetWindowPos(ToHwnd(window), after, x, y, width, height, flags);
}

void Win32Desktop::enumWindows(const std::function<bool(platform::WindowHandle)>& visit) {
    ::EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

std::size_t Win32Desktop::getWindowTextLength(platform::WindowHandle window) {
    const int length = ::GetWindowTextLengthA(ToHwnd(window));
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

std::string Win32Desktop::getWindowText(platform::WindowHandle window, std::size_t maxCount) {
    std::vector<char> buffer(std::max<std::size_t>(maxCount, 1), '\0');
    const int copied = ::GetWindowTextA(ToHwnd(window), buffer.data(), ToCount(maxCount));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

bool Win32Desktop::isWindowVisible(platform::WindowHandle window) {
    return ::IsWindowVisible(ToHwnd(window)) == 1;
}

std::string Win32Desktop::getClassName(platform::WindowHandle window, std::size_t maxCount) {
    std::vector<char> buffer(std::max<std::size_t>(maxCount, 1), '\0');
    const int copied = ::GetClassNameA(ToHwnd(window), buffer.data(), ToCount(maxCount));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

std::uint32_t Win32Desktop::windowProcessId(platform::WindowHandle window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(ToHwnd(window), &processId);
    return processId;
}

void Win32Desktop::postMessage(platform::WindowHandle window, std::uint32_t message) {
    ::PostMessageA(ToHwnd(window), message, 0, 0);
}

}  // namespace tal::win32
