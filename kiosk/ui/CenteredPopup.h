#pragma once

#include <windows.h>

namespace tal::kiosk_ui {

// A place in a window's client area, in twips.
struct TwipsBox {
    float left;
    float top;
    float width;
    float height;
};

// Moves `control` to `box` at `dpi`.
void PlaceControl(HWND control, const TwipsBox& box, UINT dpi);
// Gives `window` a client area of `width` by `height` twips within its frame, in the middle of
// the primary screen, where the kiosk's window is.
void CenterOnScreen(HWND window, float width, float height, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace tal::kiosk_ui
