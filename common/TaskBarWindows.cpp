#include "common/TaskBarWindows.h"

#include <cstdint>
#include <string>

#include "common/Flags.h"
#include "common/LockdownValues.h"

namespace tal {

namespace {

constexpr platform::WindowsVersion windows7{6, 1};
// Longer than any class name, so that a longer name is never cut down to the one looked for.
constexpr std::size_t classNameBuffer = 258;

}  // namespace

std::vector<platform::WindowHandle> TaskBarWindows(platform::Desktop& desktop,
                                                   platform::SystemVersion& system) {
    // The taskbar has an empty title: "" names it, where a null name would match any title.
    const platform::WindowHandle taskBar =
        desktop.findWindow(std::string(lockdown::taskBarClass), std::string());
    if (taskBar == 0) {
        return {};
    }
    std::vector<platform::WindowHandle> windows{taskBar};
    if (system.windowsVersion() != windows7) {
        return windows;
    }
    const std::uint32_t shell = desktop.windowProcessId(taskBar);
    if (shell == 0) {
        return windows;
    }
    // Class names are compared without regard to case, as the system compares them.
    const std::string startButton = LowerCase(lockdown::startButtonClass);
    desktop.enumWindows([&](platform::WindowHandle window) {
        if (desktop.windowProcessId(window) == shell &&
            LowerCase(desktop.getClassName(window, classNameBuffer)) == startButton) {
            windows.push_back(window);
            return false;
        }
        return true;
    });
    return windows;
}

}  // namespace tal
