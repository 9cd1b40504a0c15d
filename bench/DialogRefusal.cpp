// Measures the guard against the system's dialogs in this process under the real system: 1,000
// file dialogs opened in a loop on the kiosk's thread, beside the same loop refused by a bare hook;
// and file dialogs that another thread opens, each from its creation until it has ended. Prints
// "name value" lines.
#include <windows.h>
// After <windows.h>, which it needs.
#include <commdlg.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "kiosk/ProcessWindowGuard.h"
#include "kiosk/ui/DialogHooks.h"
#include "tests/wine/KioskServices.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

void OpenFileDialog() {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    ::GetOpenFileNameW(&open);
}

double LoopOf1000() {
    const auto start = Clock::now();
    for (int i = 0; i < 1000; ++i) {
        OpenFileDialog();
    }
    return Since(start);
}

bool IsDialog(int code, WPARAM window) {
    wchar_t name[8] = {};
    return code == HCBT_CREATEWND && ::GetClassNameW(reinterpret_cast<HWND>(window), name, 8) &&
           std::wstring(name) == L"#32770";
}

// When this thread's dialog was created, noted by a hook that refuses nothing.
thread_local Clock::time_point created;
LRESULT CALLBACK NoteCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (IsDialog(code, wParam)) {
        created = Clock::now();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The least a refusal costs: a hook that refuses every dialog and does nothing else.
LRESULT CALLBACK RefuseDialogs(int code, WPARAM wParam, LPARAM lParam) {
    return IsDialog(code, wParam) ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const int dialogs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    HHOOK bare = ::SetWindowsHookExW(WH_CBT, &RefuseDialogs, nullptr, ::GetCurrentThreadId());
    std::printf("dialog_loop_1000_bare_ms %.1f\n", LoopOf1000());
    ::UnhookWindowsHookEx(bare);

    tal::test_support::KioskServices services;
    tal::RefusalLog refusals(services.log, services.clock);
    tal::ProcessWindowGuard guard(refusals);
    const tal::kiosk_ui::DialogHooks hooks(guard);
    std::printf("dialog_loop_1000_ms %.1f\n", LoopOf1000());

    // All on one thread: under Wine 8 the 64th thread that opens a file dialog hangs in it,
    // guard or not.
    std::vector<double> lives;
    std::atomic<bool> done = false;
    std::thread other([&] {
        HHOOK hook = ::SetWindowsHookExW(WH_CBT, &NoteCreation, nullptr, ::GetCurrentThreadId());
        for (int i = 0; i < dialogs; ++i) {
            OpenFileDialog();
            lives.push_back(Since(created));
        }
        ::UnhookWindowsHookEx(hook);
        done = true;
    });
    // The guard hears of the dialogs through this thread's message queue.
    for (MSG message{}; !done; ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT)) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    }
    other.join();
    std::sort(lives.begin(), lives.end());
    const auto at = [&](double part) {
        return lives[static_cast<std::size_t>(part * static_cast<double>(lives.size() - 1) + 0.5)];
    };
    std::printf("dialog_gone_p50_ms %.1f\ndialog_gone_p95_ms %.1f\ndialog_gone_max_ms %.1f\n",
                at(0.5), at(0.95), lives.back());
    return 0;
}
