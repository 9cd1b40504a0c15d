#include "win32/Dpi.h"

#include <cmath>

namespace tal::win32 {

UINT WindowDpi(HWND window) {
    // Looked up at run time: older systems have no per-window DPI.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96U;
}

int TwipsToPixels(float twips, UINT dpi) {
    // Far enough inside the int range that adding a window's size cannot overflow.
    constexpr double limit = 1 << 30;
    const double pixels = std::round(static_cast<double>(twips) * dpi / twipsPerInch);
    if (std::isnan(pixels)) {
        return 0;
    }
    return static_cast<int>(std::fmax(-limit, std::fmin(limit, pixels)));
}

float PixelsToTwips(int pixels, UINT dpi) {
    return static_cast<float>(static_cast<double>(pixels) * twipsPerInch / dpi);
}

}  // namespace tal::win32
