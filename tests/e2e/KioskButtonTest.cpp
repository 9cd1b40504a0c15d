// The return-to-start button window of a running TAL.exe, pressed and pushed from outside.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/e2e/KioskDriver.h"
#include "tests/support/Deadline.h"
#include "tests/support/WindowHost.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::KioskDriver;

// The kiosk's untitled, shown top-level window that holds the button.
HWND FindButtonWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            // Visible: the window is placed before it is shown.
            if (owner == s.processId && ::GetWindowTextLengthW(window) == 0 &&
                ::IsWindowVisible(window) && ::GetDlgItem(window, kiosk_ui::buttonId) != nullptr) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForButtonWindow(KioskDriver& kiosk) {
    HWND window = nullptr;
    test_support::WaitFor(
        [&] { return (window = FindButtonWindow(kiosk.program().processId())) != nullptr; }, 20s);
    return window;
}

std::string Stored(const std::string& path, const char* key) {
    char value[64] = {};
    ::GetPrivateProfileStringA("CONFIG", key, "(none)", value, sizeof value, path.c_str());
    return value;
}

// Whether `above` comes before `below` in the z-order, top first.
bool IsAbove(HWND above, HWND below) {
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (window == above) {
            return true;
        }
        if (window == below) {
            return false;
        }
    }
    return false;
}

int Dpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips) {
    return ::MulDiv(twips, Dpi(), 1440);
}

// Whether the screen shows something of `window` where it stands, rather than the blank kiosk:
// a window can be stacked above another and yet not be drawn there. Read as the screenshots read
// the screen.
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

void Press(HWND buttonWindow) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(::GetDlgItem(buttonWindow, kiosk_ui::buttonId), BM_CLICK, 0, 0,
                          SMTO_ABORTIFHUNG, 5000, &result);
}

TEST(KioskButtonTest, AppearsTopmostWhereStoredAndAPressStoresItAndResetsTheKiosk) {
    const std::string settings =
        "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=on\r\nInitButtonX=3000\r\n"
        "InitButtonY=1500\r\n";
    KioskDriver kiosk(&settings);
    HWND main = kiosk.waitForMainWindow(20s);
    ASSERT_NE(main, nullptr);
    HWND window = WaitForButtonWindow(kiosk);
    ASSERT_NE(window, nullptr);

    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, Pixels(3000));
    EXPECT_EQ(rect.top, Pixels(1500));
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, Pixels(1830));
    EXPECT_EQ(client.bottom, Pixels(495));

    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0) << "no taskbar button";
    EXPECT_NE(style & WS_CAPTION, 0) << "dragged by its caption";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), nullptr);
    EXPECT_TRUE(IsAbove(window, main)) << "above the full-screen window";
    EXPECT_TRUE(test_support::WaitFor([&] { return IsDrawn(window); }, 5s))
        << "drawn above the full-screen window, too";

    HWND button = ::GetDlgItem(window, kiosk_ui::buttonId);
    EXPECT_EQ(test_support::WindowText(button), "はじめに戻る");
    RECT buttonRect{};
    ::GetWindowRect(button, &buttonRect);
    EXPECT_EQ(buttonRect.right - buttonRect.left, Pixels(1815));
    EXPECT_EQ(buttonRect.bottom - buttonRect.top, Pixels(495));

    const test_support::TemporaryFolder folder;
    const test_support::WindowHost foreign(TAL_WINDOW_HOST_EXE, folder, "foreign",
                                           "TalForeignEditor|Foreign|1");
    ASSERT_TRUE(foreign.waitUntilReady());
    HWND foreignWindow = ::FindWindowA("TalForeignEditor", "Foreign");
    EXPECT_TRUE(test_support::WaitFor([&] { return IsDrawn(foreignWindow); }, 5s));
    // The part of the screen with the button window and the foreign window.
    RECT foreignRect{};
    ::GetWindowRect(foreignWindow, &foreignRect);
    RECT shown{};
    ::UnionRect(&shown, &rect, &foreignRect);
    ::InflateRect(&shown, 40, 40);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&shown, &shown, &screen);
    test_support::SaveScreenshot("kiosk-button", shown);

    Press(window);
    EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonX"), "3000");
    EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonY"), "1500");
    EXPECT_TRUE(foreign.waitForExit(2s)) << "the next tick closes foreign windows";

    for (const auto& [message, wParam, lParam] :
         {std::tuple{WM_CLOSE, WPARAM{0}, LPARAM{0}},
          std::tuple{WM_SYSCOMMAND, WPARAM{SC_CLOSE}, LPARAM{0}},
          std::tuple{WM_SYSKEYDOWN, WPARAM{VK_F4}, LPARAM{0x20000001}}}) {
        ::PostMessageW(window, message, wParam, lParam);
    }
    test_support::PumpFor(500ms);
    EXPECT_TRUE(::IsWindow(window)) << "close box, system menu and Alt+F4 leave it open";
    EXPECT_TRUE(::IsWindowVisible(window));

    EXPECT_TRUE(kiosk.close());
    EXPECT_FALSE(::IsWindow(window)) << "it ends with the kiosk";
    EXPECT_EQ(kiosk.program().exitCode(), 0U);
}

TEST(KioskButtonTest, ComesBackWhereItWasPressed) {
    const std::string settings = "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=ON\r\n";
    std::string stored;
    {
        KioskDriver kiosk(&settings);
        HWND window = WaitForButtonWindow(kiosk);
        ASSERT_NE(window, nullptr);
        RECT rect{};
        ::GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);

        ::SetWindowPos(window, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Press(window);
        EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonX"),
                  std::to_string(400 * 1440 / Dpi()));
        EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonY"),
                  std::to_string(300 * 1440 / Dpi()));
        stored = kiosk.program().settingsText();
        EXPECT_TRUE(kiosk.close());
    }
    KioskDriver again(&stored);
    HWND window = WaitForButtonWindow(again);
    ASSERT_NE(window, nullptr);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 400);
    EXPECT_EQ(rect.top, 300);
}

}  // namespace
}  // namespace tal
