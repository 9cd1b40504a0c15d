#pragma once

#include "platform/Registry.h"

namespace tal {

// Switches the browser control's context menu off by policy.
void DisableBrowserContextMenu(platform::Registry& registry);

// Hides the browser control's toolbar: clears the visibility byte of its stored layout.
void HideBrowserToolbar(platform::Registry& registry);

}  // namespace tal
