// The return-to-start button window in-process: its font, and a press that brings the browser
// back to the start page at the next tick.
#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/Kiosk.h"
#include "kiosk/ReturnButton.h"
#include "kiosk/ui/MainWindow.h"
#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/support/Deadline.h"
#include "tests/wine/KioskServices.h"
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

TEST(ReturnButtonWindowTest, APressBringsTheBrowserBackToTheStartPageAtTheNextTick) {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    {
        test_support::KioskServices services;
        services.folder.write("TAL.ini",
                              "[CONFIG]\r\nStartPage=http://start.example/\r\nInitButton=on\r\n");

        kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
        Kiosk kiosk(services.platform(), window);
        kiosk_ui::ReturnButtonWindow buttonWindow(::GetModuleHandleW(nullptr));
        ReturnButton button(
            ReturnButtonPorts{services.profile, services.process, services.desktop, services.menu},
            buttonWindow, [&kiosk] { kiosk.requestReset(); });
        buttonWindow.onClick = [&] { button.press(); };
        window.onShowReturnButton = [&] { button.show(); };
        kiosk.start();
        ASSERT_TRUE(::IsWindowVisible(buttonWindow.window()));

        window.navigate("http://elsewhere.example/");
        ASSERT_TRUE(test_support::WaitFor(
            [&] { return window.browser().locationUrl() == L"http://elsewhere.example/"; },
            std::chrono::seconds(5)))
            << win32::WideToUtf8(window.browser().locationUrl());
        ::SendMessageW(::GetDlgItem(buttonWindow.window(), kiosk_ui::buttonId), BM_CLICK, 0, 0);
        test_support::PumpFor(std::chrono::milliseconds(300));
        EXPECT_EQ(window.browser().locationUrl(), L"http://elsewhere.example/")
            << "the press only requests the reset";
        kiosk.tick();
        EXPECT_TRUE(test_support::WaitFor(
            [&] { return window.browser().locationUrl() == L"http://start.example/"; },
            std::chrono::seconds(5)))
            << win32::WideToUtf8(window.browser().locationUrl());
        EXPECT_EQ(::GetPrivateProfileIntA("CONFIG", "InitButtonX", -1,
                                          services.folder.file("TAL.ini").c_str()),
                  0);
    }
    ::OleUninitialize();
}

}  // namespace
}  // namespace tal
