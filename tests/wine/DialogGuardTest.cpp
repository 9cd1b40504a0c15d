// The guard against the system's dialogs, installed on this thread as the kiosk installs it on
// its own thread: the file dialog of a page's file field is refused and logged, on any thread.
// (The kiosk's own box passes it: PageGuardTest shows a page's box with the guard installed.)
#include <windows.h>
// After <windows.h>, which it needs.
#include <commdlg.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "kiosk/ProcessWindowGuard.h"
#include "kiosk/ui/DialogHooks.h"
#include "tests/support/Deadline.h"
#include "tests/wine/KioskServices.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

// A dialog that the guard let through is cancelled after 5 s, so that the test fails instead of
// waiting for an answer.
std::atomic<bool> rescued;
void CALLBACK Rescue(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, L"#32770", nullptr));) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window)) {
            rescued = true;
            ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

TEST(DialogGuardTest, AFileDialogIsRefusedOnAnyThreadAndLogged) {
    test_support::KioskServices services;
    RefusalLog refusals(services.log, services.clock);
    ProcessWindowGuard guard(refusals);
    const kiosk_ui::DialogHooks hooks(guard);
    ASSERT_TRUE(hooks.installed());
    const UINT_PTR rescue = ::SetTimer(nullptr, 0, 5000, &Rescue);
    for (const bool otherThread : {false, true}) {
        SCOPED_TRACE(otherThread ? "another thread" : "the kiosk's thread");
        const std::size_t logged = services.logText().size();
        std::atomic<bool> done = false;
        BOOL opened = TRUE;
        const auto open = [&] {
            wchar_t file[MAX_PATH] = {};
            OPENFILENAMEW dialog{};
            dialog.lStructSize = sizeof dialog;
            dialog.lpstrFile = file;
            dialog.nMaxFile = MAX_PATH;
            opened = ::GetOpenFileNameW(&dialog);
            done = true;
        };
        std::thread worker;
        if (otherThread) {
            worker = std::thread(open);
        } else {
            open();
        }
        // Another thread's dialog is closed through this thread's message queue.
        EXPECT_TRUE(test_support::WaitFor([&] { return done.load(); }, 10s));
        if (worker.joinable()) {
            worker.join();  // the rescue ends a dialog that is left
        }
        EXPECT_FALSE(opened);
        EXPECT_FALSE(rescued) << "the test had to cancel the dialog";
        EXPECT_NE(services.logText().find("refused-window class=#32770 title=開く", logged),
                  std::string::npos);
    }
    ::KillTimer(nullptr, rescue);
}

}  // namespace
}  // namespace tal
