#include "kiosk/Module1.h"

#include <string>

#include "common/Lockdown.h"

namespace tal::Module1 {

void HideTaskBar(platform::Desktop& desktop) {
    // The taskbar has an empty title: "" names it, where a null name would match any title.
    const platform::WindowHandle taskBar =
        desktop.findWindow(std::string(lockdown::taskBarClass), std::string());
    desktop.showWindow(taskBar, platform::show_command::hide);
}

}  // namespace tal::Module1
