#include "kiosk/ui/BrowserFeatures.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <urlmon.h>

#include <initializer_list>

namespace tal::kiosk_ui {

void EnableBrowserProcessFeatures() {
    for (const INTERNETFEATURELIST feature :
         {FEATURE_DISABLE_NAVIGATION_SOUNDS, FEATURE_WEBOC_POPUPMANAGEMENT}) {
        // A feature the system does not know only leaves the control as it is.
        ::CoInternetSetFeatureEnabled(feature, SET_FEATURE_ON_PROCESS, TRUE);
    }
}

}  // namespace tal::kiosk_ui
