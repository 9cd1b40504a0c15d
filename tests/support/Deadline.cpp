#include "tests/support/Deadline.h"

#include <windows.h>

#include <algorithm>

namespace tal::test_support {

namespace {

void PumpUntil(std::chrono::steady_clock::time_point until) {
    for (;;) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return;
        }
        // Wakes for new messages, else when the time is up.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()),
                                    QS_ALLINPUT);
    }
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
             std::chrono::milliseconds step) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        PumpUntil(std::min(deadline, std::chrono::steady_clock::now() + step));
    }
}

void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil(std::chrono::steady_clock::now() + duration);
}

}  // namespace tal::test_support
