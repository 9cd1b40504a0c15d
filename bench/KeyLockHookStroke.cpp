// Measures, under the real system, one key stroke through the key lock's low-level hook on its
// hook thread, as the kiosk sets it: a second hook set later on the same thread is called first
// and times its call into the lock's procedure, a plain call within the thread, with the system
// calls the lock makes, less the same call with no hook behind it (the system's look-up of the
// next hook). This process's window is in front, as the kiosk's is. Prints one "name value" line
// per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "kiosk/ui/HookThread.h"
#include "kiosk/ui/KeyLockHook.h"

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds of each call into the lock's procedure; SendInput returns under Wine once every
// low-level hook has answered, so the hook thread has written them by then.
std::vector<double> lockTimes;

LRESULT CALLBACK TimeTheLock(int code, WPARAM wParam, LPARAM lParam) {
    const auto called = Clock::now();
    const LRESULT result = ::CallNextHookEx(nullptr, code, wParam, lParam);
    lockTimes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - called).count());
    return result;
}

// The median over 500 presses of `key`, each two strokes (down and up).
double MedianStroke(WORD key) {
    lockTimes.clear();
    for (int stroke = 0; stroke < 1000; ++stroke) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags =
            (stroke % 2 == 0 ? 0 : KEYEVENTF_KEYUP) | (key == VK_LWIN ? KEYEVENTF_EXTENDEDKEY : 0);
        ::SendInput(1, &input, sizeof input);
        for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            ::DispatchMessageW(&message);
        }
    }
    std::nth_element(lockTimes.begin(), lockTimes.begin() + 500, lockTimes.end());
    return lockTimes[500];
}

}  // namespace

int main() {
    const tal::win32::UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"KeyLockBench",
                                                            WS_POPUP | WS_VISIBLE, 0, 0, 200, 200,
                                                            nullptr, nullptr, nullptr, nullptr));
    ::SetForegroundWindow(window.get());
    tal::kiosk_ui::HookThread thread;
    tal::win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> timer;
    const auto setTimer = [&timer, &thread] {
        thread.run([&timer] {
            timer.reset(
                ::SetWindowsHookExW(WH_KEYBOARD_LL, &TimeTheLock, ::GetModuleHandleW(nullptr), 0));
        });
    };
    setTimer();
    MedianStroke(VK_F15);  // the first strokes pay for waking the threads
    // F15: a key that no program acts on, which the lock lets pass as it lets typing pass.
    const double lookUp = MedianStroke(VK_F15);
    thread.run([&timer] { timer.reset(); });
    const tal::kiosk_ui::KeyLockHook lock(thread, {}, [] {});
    setTimer();
    if (::GetForegroundWindow() != window.get() || !lock.installed() || !timer) {
        std::fprintf(stderr, "not in front, or the hooks were not taken\n");
        return 1;
    }
    std::printf("key_lock_hook_typed_us %.2f\n", MedianStroke(VK_F15) - lookUp);
    std::printf("key_lock_hook_windows_key_us %.2f\n", MedianStroke(VK_LWIN) - lookUp);
    std::printf("key_lock_hook_look_up_us %.2f\n", lookUp);
    thread.run([&timer] { timer.reset(); });
    return 0;
}
