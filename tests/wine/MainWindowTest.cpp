// The real main window and browser host, driven by the start-up logic with the real services.
#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <exception>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/Kiosk.h"
#include "kiosk/ui/MainWindow.h"
#include "tests/support/Deadline.h"
#include "tests/wine/KioskServices.h"
#include "win32/Failure.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

class MainWindowTest : public testing::Test, protected test_support::KioskServices {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override { ::OleUninitialize(); }
};

TEST_F(MainWindowTest, StartUpSendsTheBrowserToTheStartPageWhole) {
    const std::string longPage = "http://kiosk.example/" + std::string(279, 'p');
    for (const std::string& page : {std::string(), longPage}) {
        if (page.empty()) {
            ::DeleteFileA(folder.file("TAL.ini").c_str());
        } else {
            folder.write("TAL.ini", "[CONFIG]\r\nStartPage=" + page + "\r\n");
        }
        kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
        Kiosk kiosk(platform(), window);
        kiosk.start();
        const std::wstring expected =
            page.empty() ? L"https://www.wikipedia.org/" : std::wstring(page.begin(), page.end());
        EXPECT_EQ(window.browser().locationUrl(), expected);
        EXPECT_EQ(window.browser().locationUrl().size(), page.empty() ? 26U : 300U);
    }
}

TEST_F(MainWindowTest, TheWindowAndTheBrowserCoverTheScreen) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    Kiosk kiosk(platform(), window);
    kiosk.start();
    window.show();
    RECT rect{};
    ::GetWindowRect(window.handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, ::GetSystemMetrics(SM_CYSCREEN));
    HWND control = ::GetWindow(window.handle(), GW_CHILD);
    ASSERT_NE(control, nullptr) << "the browser control's window";
    RECT controlRect{};
    ::GetWindowRect(control, &controlRect);
    EXPECT_EQ(controlRect.right - controlRect.left, rect.right - rect.left);
    EXPECT_EQ(controlRect.bottom - controlRect.top, rect.bottom - rect.top);
}

TEST_F(MainWindowTest, TheTimerTicksOnlyOnceStartUpHasSetItsInterval) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    int ticks = 0;
    window.onTimer = [&] { ++ticks; };
    test_support::PumpFor(1200ms);
    EXPECT_EQ(ticks, 0) << "interval 0 until start-up";

    window.setTimerInterval(1000);
    EXPECT_TRUE(test_support::WaitFor([&] { return ticks >= 1; }, 2500ms));
}

TEST_F(MainWindowTest, FocusOnTheBrowserControlEnablesTheTimer) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    Kiosk kiosk(platform(), window);
    int ticks = 0;
    window.onTimer = [&] { ++ticks; };
    window.browser().onFocus = [&] { kiosk.onBrowserFocus(); };
    window.setTimerInterval(1000);
    window.setTimerEnabled(false);
    test_support::PumpFor(1200ms);
    ASSERT_EQ(ticks, 0);

    // The control's focus notification, as the control itself would send it.
    IOleControlSite* site = &window.browser();
    EXPECT_EQ(site->OnFocus(TRUE), S_OK);
    EXPECT_TRUE(test_support::WaitFor([&] { return ticks >= 1; }, 2500ms));
}

TEST_F(MainWindowTest, FocusTakenMoreOftenThanTheIntervalDoesNotHoldBackTheTick) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    Kiosk kiosk(platform(), window);
    int ticks = 0;
    window.onTimer = [&] { ++ticks; };
    window.browser().onFocus = [&] { kiosk.onBrowserFocus(); };
    window.setTimerInterval(1000);

    IOleControlSite* site = &window.browser();
    for (int focus = 0; focus < 13 && ticks == 0; ++focus) {
        site->OnFocus(TRUE);
        test_support::PumpFor(200ms);
    }
    EXPECT_GE(ticks, 1) << "a page that takes the focus five times a second";
}

TEST_F(MainWindowTest, AReplacedBrowserStartsEmptyGoesWhereToldAndKeepsThePageGuard) {
    folder.write("TAL.ini",
                 "[CONFIG]\r\nStartPage=http://a.example/\r\nAllowedSites=b.example\r\n");
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    Kiosk kiosk(platform(), window);
    kiosk.start();
    window.browser().guard().setRules(kiosk.pageRules());
    const auto location = [&] { return window.browser().locationUrl(); };
    ASSERT_TRUE(test_support::WaitFor([&] { return location() == L"http://a.example/"; }, 5s));
    HWND oldControl = ::GetWindow(window.handle(), GW_CHILD);

    window.replaceBrowser();

    EXPECT_NE(location(), L"http://a.example/") << "the visitor's page stays with the old control";
    HWND control = ::GetWindow(window.handle(), GW_CHILD);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(::IsWindow(oldControl));
    RECT client{};
    ::GetClientRect(window.handle(), &client);
    RECT controlRect{};
    ::GetWindowRect(control, &controlRect);
    EXPECT_EQ(controlRect.right - controlRect.left, client.right) << "sized as the old one was";
    // The new control's navigations reach the guard: a site outside the allowed ones is refused.
    window.navigate("http://elsewhere.example/");
    window.navigate("http://b.example/");
    ASSERT_TRUE(test_support::WaitFor([&] { return location() == L"http://b.example/"; }, 5s));
    window.navigate("http://elsewhere.example/");
    test_support::PumpFor(500ms);
    EXPECT_EQ(location(), L"http://b.example/");
}

// The reset's handler (perhaps the return button's window, which goes with the main window) runs
// to its end; then the window closes, and the program ends with the failure.
TEST_F(MainWindowTest, ABrowserThatCannotBeReplacedClosesTheWindowAfterTheHandler) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    // Without OLE on the thread no control can be created.
    ::OleUninitialize();
    EXPECT_THROW(window.replaceBrowser(), win32::Failure);
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    EXPECT_FALSE(window.isClosed());
    EXPECT_TRUE(test_support::WaitFor([&] { return window.isClosed(); }, 5s));
    ASSERT_TRUE(window.failure());
    EXPECT_THROW(std::rethrow_exception(window.failure()), win32::Failure);
}

TEST_F(MainWindowTest, ClosingTheWindowClosesTheBrowserControlWithIt) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    window.createBrowser(false);
    window.navigate("about:blank");
    ASSERT_TRUE(test_support::WaitFor(
        [&] { return window.browser().locationUrl() == L"about:blank"; }, 5s));
    ::SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(window.isClosed());
    EXPECT_EQ(window.browser().locationUrl(), L"") << "the control is closed with its window";
}

TEST_F(MainWindowTest, ClosingTheWindowTellsTheKioskOnce) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    int closes = 0;
    window.onClosed = [&] { ++closes; };
    ::SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(window.isClosed());
    EXPECT_EQ(closes, 1);
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
}

// The event log that the program gives its windows hears of a handler that failed, and the window
// goes on with its next message.
TEST_F(MainWindowTest, AFailingHandlerIsWrittenToTheLogAndTheWindowGoesOn) {
    kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
    window.reportFailuresTo(log);
    int ticks = 0;
    window.onTimer = [&ticks] {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    window.setTimerInterval(10);
    EXPECT_TRUE(test_support::WaitFor([&] { return ticks >= 2; }, 5s));
    const std::string text = logText();
    EXPECT_NE(text.find(" TAL handler-failed class=TAL.Kiosk message=0x0113 what=\"tick failed\""),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace tal
