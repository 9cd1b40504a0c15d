#pragma once

#include <string>

#include "platform/Desktop.h"
#include "platform/Registry.h"
#include "platform/SystemVersion.h"

namespace tal {

// The kiosk's desktop lockdown. What it changes stays in place after the kiosk ends; the settings
// tool's state reset undoes it.

// Hides the taskbar, with the Start button where that is a window of its own; does nothing when
// there is no taskbar.
void HideTaskBar(platform::Desktop& desktop, platform::SystemVersion& system);

// Switches the browser control's context menu off by policy.
void DisableBrowserContextMenu(platform::Registry& registry);

// Hides the browser control's toolbar: clears the visibility byte of its stored layout.
void HideBrowserToolbar(platform::Registry& registry);

// Switches the Task Manager off by policy, so that Ctrl+Shift+Esc and Ctrl+Alt+Del lead nowhere.
void DisableTaskManager(platform::Registry& registry);

// Asks the browser control to render pages in its newest mode, with the graphics processor, for
// the executable named `executableFileName` only. The values stay; the settings tool's state reset
// leaves them, as they concern this program alone.
void EnableModernRendering(platform::Registry& registry, const std::string& executableFileName);

}  // namespace tal
