// The return-to-start button window in-process: its font, the keyboard and a new DPI.
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/support/Deadline.h"
#include "win32/TextConversion.h"

namespace tal {
namespace {

TEST(ReturnButtonWindowTest, TheButtonUsesTheBoldTwelvePointJapaneseFont) {
    kiosk_ui::ReturnButtonWindow window(::GetModuleHandleW(nullptr));
    HWND button = ::GetDlgItem(window.window(), kiosk_ui::buttonId);
    ASSERT_NE(button, nullptr);
    LOGFONTW font{};
    ASSERT_NE(::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)),
                           sizeof font, &font),
              0);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, -::MulDiv(12, static_cast<int>(::GetDpiForWindow(button)), 72));
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(win32::WideToUtf8(font.lfFaceName), "ＭＳ Ｐゴシック");
}

TEST(ReturnButtonWindowTest, OnceActivatedSpacePressesTheButton) {
    kiosk_ui::ReturnButtonWindow window(::GetModuleHandleW(nullptr));
    int presses = 0;
    window.onClick = [&] { ++presses; };
    ::ShowWindow(window.window(), SW_SHOW);
    ::SetForegroundWindow(window.window());
    test_support::PumpFor(std::chrono::milliseconds(100));

    HWND focus = ::GetFocus();
    ::SendMessageW(focus, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::SendMessageW(focus, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001U));
    EXPECT_EQ(presses, 1);
}

TEST(ReturnButtonWindowTest, ANewDpiSizesTheButtonAndItsFontAndPlacesTheWindowInIt) {
    kiosk_ui::ReturnButtonWindow window(::GetModuleHandleW(nullptr));
    constexpr UINT dpi = 144;
    RECT suggested{30, 40, 300, 120};
    ::SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));

    HWND button = ::GetDlgItem(window.window(), kiosk_ui::buttonId);
    RECT buttonRect{};
    ::GetWindowRect(button, &buttonRect);
    EXPECT_EQ(buttonRect.right - buttonRect.left, 182) << "1815 twips at 144 dpi";
    EXPECT_EQ(buttonRect.bottom - buttonRect.top, 50) << "495 twips at 144 dpi";
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    EXPECT_EQ(font.lfHeight, -24) << "12 points at 144 dpi";

    window.setLeft(1440);
    window.setTop(720);
    RECT rect{};
    ::GetWindowRect(window.window(), &rect);
    EXPECT_EQ(rect.left, 144);
    EXPECT_EQ(rect.top, 72);
    EXPECT_EQ(window.left(), 1440.0F);
}

}  // namespace
}  // namespace tal
