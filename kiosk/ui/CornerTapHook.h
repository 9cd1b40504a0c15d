#pragma once

#include <windows.h>

#include <functional>

#include "kiosk/CornerTaps.h"
#include "kiosk/ui/HookThread.h"
#include "win32/UniqueHandle.h"

namespace tal::kiosk_ui {

// The operator's taps in the screen's corner as a low-level mouse hook on the hook thread, which
// also sees a touch screen's taps. It only watches: every press goes on to where it was meant.
// One at a time per process.
class CornerTapHook {
public:
    // Installs the hook on `thread`, which outlives it; `installed()` tells whether the system took
    // it. `onGesture` runs on the hook thread, so it only posts.
    CornerTapHook(HookThread& thread, std::function<void()> onGesture);
    ~CornerTapHook();
    CornerTapHook(const CornerTapHook&) = delete;
    CornerTapHook& operator=(const CornerTapHook&) = delete;

    bool installed() const { return static_cast<bool>(hook_); }
    DWORD error() const { return error_; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

    HookThread& thread_;
    CornerTaps taps_;
    std::function<void()> onGesture_;
    win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> hook_;
    DWORD error_ = 0;
};

}  // namespace tal::kiosk_ui
