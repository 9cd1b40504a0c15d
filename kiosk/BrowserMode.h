#pragma once

#include "platform/Process.h"
#include "platform/Registry.h"

namespace tal {

class SettingsFile;

// Before the browser control is created: unless `BrowserMode` is "legacy", asks for the control's
// newest rendering mode for this executable. True when the process should switch on its own
// browser features (no navigation sounds, the pop-up manager) as well.
bool PrepareBrowserMode(const SettingsFile& settings, platform::Registry& registry,
                        platform::Process& process);

}  // namespace tal
