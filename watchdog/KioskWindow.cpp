#include "watchdog/KioskWindow.h"

#include <string>

namespace tal::watchdog {

platform::WindowHandle FindKioskWindow(platform::Desktop& desktop, std::uint32_t processId) {
    const std::string title = kioskWindowTitle;
    platform::WindowHandle found = 0;
    desktop.enumWindows([&](platform::WindowHandle window) {
        // The process test first: it needs no message to the window, unlike reading its title.
        if (desktop.windowProcessId(window) == processId &&
            desktop.getWindowText(window, title.size() + 2) == title) {
            found = window;
            return false;
        }
        return true;
    });
    return found;
}

}  // namespace tal::watchdog
