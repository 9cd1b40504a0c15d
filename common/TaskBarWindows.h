#pragma once

#include <vector>

#include "platform/Desktop.h"
#include "platform/SystemVersion.h"

namespace tal {

// The windows that hiding the taskbar hides and the state reset shows again: the taskbar and, on
// Windows 7, the Start button beside it, which stays visible and clickable without the taskbar.
// Empty when there is no taskbar.
std::vector<platform::WindowHandle> TaskBarWindows(platform::Desktop& desktop,
                                                   platform::SystemVersion& system);

}  // namespace tal
