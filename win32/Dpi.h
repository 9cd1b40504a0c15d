#pragma once

#include <windows.h>

namespace tal::win32 {

inline constexpr float twipsPerInch = 1440.0F;

// The window's real DPI where the system can tell it per window, else the screen's.
UINT WindowDpi(HWND window);

// Whole pixels for a length in twips, clamped to what a window position can hold.
int TwipsToPixels(float twips, UINT dpi);
float PixelsToTwips(int pixels, UINT dpi);

}  // namespace tal::win32
