#include "kiosk/BrowserMode.h"

#include "common/Flags.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "kiosk/Lockdown.h"

namespace tal {

bool PrepareBrowserMode(const SettingsFile& settings, platform::Registry& registry,
                        platform::Process& process) {
    if (FlagIs(settings.ReadSetting(settings::BrowserMode), choice::legacyRendering.word)) {
        return false;
    }
    EnableModernRendering(registry, process.executableFileName());
    return true;
}

}  // namespace tal
