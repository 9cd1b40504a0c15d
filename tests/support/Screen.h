#pragma once

#include <windows.h>

#include <string>

namespace tal::test_support {

// Saves the screen, or the part of it given, as a bitmap file (for a person to look at) in the
// folder that TAL_SCREENSHOT_DIR names; does nothing without it.
void SaveScreenshot(const std::string& name);
void SaveScreenshot(const std::string& name, const RECT& part);

// Whether the screen shows something of `window` where it stands, rather than the blank kiosk:
// a window can be stacked above another and yet not be drawn there.
bool IsDrawn(HWND window);

}  // namespace tal::test_support
