// The return-to-start button window of a running TAL.exe, pressed and pushed from outside.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/WindowHost.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::KioskDriver;

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

TEST(KioskButtonTest, AppearsTopmostWhereStoredAndAPressStoresItAndResetsTheKiosk) {
    const std::string settings =
        "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=on\r\nInitButtonX=3000\r\n"
        "InitButtonY=1500\r\n";
    KioskDriver kiosk(&settings);
    HWND main = kiosk.waitForMainWindow(20s);
    ASSERT_NE(main, nullptr);
    HWND window = kiosk.waitForReturnButton();
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
    EXPECT_TRUE(test_support::WaitFor([&] { return test_support::IsDrawn(window); }, 5s))
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
    EXPECT_TRUE(test_support::WaitFor([&] { return test_support::IsDrawn(foreignWindow); }, 5s));
    // The part of the screen with the button window and the foreign window.
    RECT foreignRect{};
    ::GetWindowRect(foreignWindow, &foreignRect);
    RECT shown{};
    ::UnionRect(&shown, &rect, &foreignRect);
    ::InflateRect(&shown, 40, 40);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&shown, &shown, &screen);
    test_support::SaveScreenshot("kiosk-button", shown);

    ASSERT_TRUE(test_support::PressReturnButton(window));
    // The reset ran within the click; its line follows within a tick if another program wrote.
    EXPECT_TRUE(test_support::WaitFor(
        [&] { return kiosk.log().find(" reset trigger=button closed=1 ") != std::string::npos; },
        5s))
        << kiosk.log();
    EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonX"), "3000");
    EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonY"), "1500");
    EXPECT_TRUE(foreign.waitForExit(5s));

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
        HWND window = kiosk.waitForReturnButton();
        ASSERT_NE(window, nullptr);
        RECT rect{};
        ::GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);

        ::SetWindowPos(window, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(test_support::PressReturnButton(window));
        EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonX"),
                  std::to_string(400 * 1440 / Dpi()));
        EXPECT_EQ(Stored(kiosk.program().settingsPath(), "InitButtonY"),
                  std::to_string(300 * 1440 / Dpi()));
        stored = kiosk.program().settingsText();
        EXPECT_TRUE(kiosk.close());
    }
    KioskDriver again(&stored);
    HWND window = again.waitForReturnButton();
    ASSERT_NE(window, nullptr);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 400);
    EXPECT_EQ(rect.top, 300);
}

}  // namespace
}  // namespace tal
