#include "tests/e2e/KioskDriver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/support/Deadline.h"

namespace tal::test_support {

KioskDriver::KioskDriver(const std::string* settings, const std::string& fileName)
    : program_(WindowsPathOf(TAL_KIOSK_EXE), settings, fileName) {
    program_.start();
}

HWND KioskDriver::waitForMainWindow(std::chrono::milliseconds timeout) {
    return program_.waitForWindow(kioskTitle, timeout);
}

HWND KioskDriver::mainWindow() const {
    for (HWND window = nullptr;
         (window = ::FindWindowExA(nullptr, window, nullptr, kioskTitle)) != nullptr;) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == program_.processId()) {
            return window;
        }
    }
    return nullptr;
}

HWND KioskDriver::waitForReturnButton() {
    return WaitForReturnButton(program_.processId());
}

HWND WaitForReturnButton(DWORD kiosk) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{kiosk, nullptr};
    const auto find = [&search] {
        ::EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                // Visible: the kiosk places the window before it shows it.
                if (owner == s.processId && ::IsWindowVisible(window) &&
                    ::GetWindowTextLengthW(window) == 0 &&
                    ::GetDlgItem(window, kiosk_ui::buttonId) != nullptr) {
                    s.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    };
    WaitFor(find, std::chrono::seconds(20));
    return search.found;
}

bool PressReturnButton(HWND buttonWindow) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(::GetDlgItem(buttonWindow, kiosk_ui::buttonId), BM_CLICK, 0, 0,
                                 SMTO_ABORTIFHUNG, 20000, &result) != 0;
}

bool KioskDriver::close() {
    if (HWND window = mainWindow()) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return program_.hasExited(std::chrono::seconds(10));
}

// Read as the screenshots read the screen.
bool IsDrawn(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, previous);
    BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    const COLORREF blank = ::GetSysColor(COLOR_WINDOW);
    const std::uint32_t blankPixel =
        (GetRValue(blank) << 16) | (GetGValue(blank) << 8) | GetBValue(blank);
    return std::any_of(pixels.begin(), pixels.end(),
                       [&](std::uint32_t pixel) { return (pixel & 0xFFFFFF) != blankPixel; });
}

HWND WaitForTaskBar() {
    HWND taskBar = nullptr;
    WaitFor([&] { return (taskBar = ::FindWindowA("Shell_TrayWnd", "")) != nullptr; },
            std::chrono::seconds(20));
    return taskBar;
}

}  // namespace tal::test_support
