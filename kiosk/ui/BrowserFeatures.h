#pragma once

namespace tal::kiosk_ui {

// Switches on, for this process only, the browser control's features a kiosk wants: no sounds
// on navigation, and the pop-up manager. Before the control is created.
void EnableBrowserProcessFeatures();

}  // namespace tal::kiosk_ui
