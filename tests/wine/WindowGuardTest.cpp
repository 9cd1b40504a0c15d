// The window guard over the real desktop, with windows of a second process and of its own.
#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/WindowGuard.h"
#include "tests/support/Deadline.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WindowHost.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32Desktop.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

// A window of the test's own process that counts what it receives.
struct OwnWindow {
    int closes = 0;
    HWND handle = nullptr;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            if (auto* self =
                    reinterpret_cast<OwnWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA))) {
                ++self->closes;
            }
            return 0;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    explicit OwnWindow(const char* title) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TalGuardTestOwn";
        ::RegisterClassA(&windowClass);
        handle = ::CreateWindowExA(0, "TalGuardTestOwn", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                   0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~OwnWindow() { ::DestroyWindow(handle); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
};

// Dispatches this thread's messages for a while; true when a WM_QUIT was among them.
bool PumpAndSeeQuit(std::chrono::milliseconds duration) {
    bool quit = false;
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        MSG message{};
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quit = quit || message.message == WM_QUIT;
            ::DispatchMessageA(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return quit;
}

TEST(WindowGuardOnTheDesktopTest, OneClosePassClosesListedClassesAndQuitsTheOthers) {
    test_support::TemporaryFolder folder;
    win32::Win32Desktop desktop;
    const OwnWindow before("Open before the snapshot");
    const test_support::WindowHost earlier(TAL_WINDOW_HOST_EXE, folder, "earlier",
                                           "TalGuardEarly|Earlier|1");
    ASSERT_TRUE(earlier.started());
    ASSERT_TRUE(earlier.waitUntilReady());

    WindowGuard guard(desktop, ::GetCurrentProcessId());
    guard.takeSnapshot();
    EXPECT_GE(guard.snapshotSize(), 2U);

    const test_support::WindowHost folderWindow(TAL_WINDOW_HOST_EXE, folder, "folder",
                                                "CabinetWClass|Folder|1");
    const test_support::WindowHost editor(TAL_WINDOW_HOST_EXE, folder, "editor",
                                          "TalGuardEditor|Editor|1");
    const test_support::WindowHost quiet(TAL_WINDOW_HOST_EXE, folder, "quiet",
                                         "TalGuardQuiet|Hidden|0 TalGuardQuiet||1");
    for (const test_support::WindowHost* host : {&folderWindow, &editor, &quiet}) {
        ASSERT_TRUE(host->started());
        ASSERT_TRUE(host->waitUntilReady());
    }
    OwnWindow dialog("Dialog of the kiosk's own process");

    guard.closeForeignWindows();

    EXPECT_FALSE(PumpAndSeeQuit(500ms)) << "the kiosk's own loop never receives WM_QUIT";
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(before.closes, 0);

    EXPECT_TRUE(test_support::WaitFor(
        [&] { return folderWindow.log().find("close Folder") != std::string::npos; }, 10s))
        << folderWindow.log();
    EXPECT_EQ(folderWindow.log().find("quit"), std::string::npos) << "WM_CLOSE only";
    EXPECT_TRUE(editor.waitForExit(10s)) << "WM_QUIT ended the editor's message loop";
    EXPECT_EQ(editor.log(), "ready\nquit\n");
    EXPECT_EQ(earlier.log(), "ready\n") << "windows of the snapshot are left alone";
    EXPECT_EQ(quiet.log(), "ready\n") << "hidden and untitled windows are left alone";
}

TEST(WindowGuardOnTheDesktopTest, FindWindowFindsHiddenWindowsWithoutRegardToCase) {
    HWND hidden = ::CreateWindowExA(0, "STATIC", "Rx7300", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(hidden, nullptr);
    win32::Win32Desktop desktop;
    EXPECT_EQ(desktop.findWindow(std::nullopt, std::string("RX7300")),
              reinterpret_cast<platform::WindowHandle>(hidden));
    EXPECT_EQ(desktop.findWindow(std::nullopt, std::string("Rx7300 ")), 0U);
    ::DestroyWindow(hidden);
}

}  // namespace
}  // namespace tal
