#include "tests/support/Screen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace tal::test_support {

namespace {

// The pixels of a part of the screen, 32 bits each (0x00RRGGBB), rows bottom up.
std::vector<std::uint32_t> ScreenPixels(const RECT& part, BITMAPINFOHEADER& header) {
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, part.left, part.top, SRCCOPY);
    ::SelectObject(memory, previous);
    header = {sizeof header, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

void SaveScreenshot(const std::string& name) {
    SaveScreenshot(name, {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

void SaveScreenshot(const std::string& name, const RECT& part) {
    const char* folder = std::getenv("TAL_SCREENSHOT_DIR");
    if (folder == nullptr) {
        return;
    }
    BITMAPINFOHEADER header{};
    std::vector<std::uint32_t> pixels = ScreenPixels(part, header);
    // Opaque, should a viewer read the fourth byte as alpha.
    for (std::uint32_t& pixel : pixels) {
        pixel |= 0xFF000000U;
    }
    header.biSizeImage = static_cast<DWORD>(pixels.size() * sizeof pixels[0]);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(header.biSizeImage));
}

bool IsDrawn(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    BITMAPINFOHEADER header{};
    const std::vector<std::uint32_t> pixels = ScreenPixels(rect, header);
    const COLORREF blank = ::GetSysColor(COLOR_WINDOW);
    const std::uint32_t blankPixel =
        (GetRValue(blank) << 16) | (GetGValue(blank) << 8) | GetBValue(blank);
    return std::any_of(pixels.begin(), pixels.end(),
                       [&](std::uint32_t pixel) { return (pixel & 0xFFFFFF) != blankPixel; });
}

}  // namespace tal::test_support
