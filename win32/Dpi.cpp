#include "win32/Dpi.h"

#include <cmath>

namespace tal::win32 {

namespace {

// A function of user32.dll that older systems lack, or null there.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

UINT ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96U;
}

}  // namespace

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    return ScreenDpi();
}

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        return adjustForDpi(&rect, style, FALSE, exStyle, dpi) != FALSE;
    }
    return ::AdjustWindowRectEx(&rect, style, FALSE, exStyle) != FALSE;
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
