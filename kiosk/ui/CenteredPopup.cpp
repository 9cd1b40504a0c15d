#include "kiosk/ui/CenteredPopup.h"

#include "win32/Dpi.h"

namespace tal::kiosk_ui {

void PlaceControl(HWND control, const TwipsBox& box, UINT dpi) {
    ::MoveWindow(control, win32::TwipsToPixels(box.left, dpi), win32::TwipsToPixels(box.top, dpi),
                 win32::TwipsToPixels(box.width, dpi), win32::TwipsToPixels(box.height, dpi),
                 FALSE);
}

void CenterOnScreen(HWND window, float width, float height, DWORD style, DWORD exStyle, UINT dpi) {
    RECT frame{0, 0, win32::TwipsToPixels(width, dpi), win32::TwipsToPixels(height, dpi)};
    win32::AdjustWindowRectForDpi(frame, style, exStyle, dpi);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    ::SetWindowPos(window, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - frameWidth) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - frameHeight) / 2, frameWidth, frameHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tal::kiosk_ui
