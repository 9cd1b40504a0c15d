#pragma once

#include <windows.h>

#include <functional>

#include "kiosk/CornerTaps.h"
#include "kiosk/ui/HookThread.h"
#include "kiosk/ui/LowLevelHook.h"

namespace tal::kiosk_ui {

// The operator's taps in the screen's corner as a low-level mouse hook on the hook thread, which
// also sees a touch screen's taps. It only watches: every press goes on to where it was meant.
// One at a time per process.
class CornerTapHook {
public:
    // Installs the hook on `thread`, which outlives it; `installed()` tells whether the system took
    // it. `onGesture` runs on the hook thread, so it only posts.
    CornerTapHook(HookThread& thread, std::function<void()> onGesture);
    CornerTapHook(const CornerTapHook&) = delete;
    CornerTapHook& operator=(const CornerTapHook&) = delete;

    bool installed() const { return hook_.installed(); }
    DWORD error() const { return hook_.error(); }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
    // Set and read on the hook thread only.
    static inline CornerTapHook* active = nullptr;

    CornerTaps taps_;
    std::function<void()> onGesture_;
    // Last: the hook may be called as soon as it is set, and goes before the rest.
    LowLevelHook<WH_MOUSE_LL, CornerTapHook> hook_;
};

}  // namespace tal::kiosk_ui
