#pragma once

#include <windows.h>

namespace tal::win32 {

// The programs run on Windows 7 SP1, which lacks the per-window DPI functions: every function
// newer than that is looked up here at run time and has a fallback, never imported directly.

inline constexpr float twipsPerInch = 1440.0F;

// The window's real DPI where the system can tell it per window, else the screen's.
UINT WindowDpi(HWND window);

// AdjustWindowRectExForDpi where the system has it; else AdjustWindowRectEx, which uses the
// screen's DPI, the only one such a system has.
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

// Whole pixels for a length in twips, clamped to what a window position can hold.
int TwipsToPixels(float twips, UINT dpi);
float PixelsToTwips(int pixels, UINT dpi);

}  // namespace tal::win32
