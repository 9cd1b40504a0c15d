#include "kiosk/BrowserMode.h"

#include "common/Flags.h"
#include "common/PolicyStore.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "kiosk/Lockdown.h"

namespace tal {

bool PrepareBrowserMode(platform::ProfileFile& profile, platform::Registry& registry,
                        platform::Process& process) {
    const PolicyStore policies(registry);
    const SettingsFile settings(profile, SettingsFilePath(process.applicationPath()), &policies);
    if (FlagIs(settings.ReadSetting(settings::BrowserMode), choice::legacyRendering.word)) {
        return false;
    }
    EnableModernRendering(registry, process.executableFileName());
    return true;
}

}  // namespace tal
