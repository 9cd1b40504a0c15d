#pragma once

#include "platform/Desktop.h"
#include "platform/Registry.h"

namespace tal {

// The kiosk's desktop lockdown. What it changes stays in place after the kiosk ends; the settings
// tool's state reset undoes it.

// Hides the taskbar window; does nothing when there is none.
void HideTaskBar(platform::Desktop& desktop);

// Switches the browser control's context menu off by policy.
void DisableBrowserContextMenu(platform::Registry& registry);

// Hides the browser control's toolbar: clears the visibility byte of its stored layout.
void HideBrowserToolbar(platform::Registry& registry);

}  // namespace tal
