#pragma once

#include <windows.h>

#include <functional>

#include "kiosk/KeyLock.h"
#include "kiosk/ui/HookThread.h"
#include "kiosk/ui/LowLevelHook.h"
#include "win32/Win32KeyboardState.h"

namespace tal::kiosk_ui {

// The key lock as a low-level keyboard hook on the hook thread, which nothing on the
// user-interface thread can hold up. The hook does nothing slow: the system removes a hook that
// takes too long. One at a time per process.
class KeyLockHook {
public:
    // Installs the hook on `thread`, which outlives it; `installed()` tells whether the system
    // took it. `onOperatorChord` runs on the hook thread, so it only posts.
    KeyLockHook(HookThread& thread, KeyLock::Rules rules, std::function<void()> onOperatorChord);
    KeyLockHook(const KeyLockHook&) = delete;
    KeyLockHook& operator=(const KeyLockHook&) = delete;

    bool installed() const { return hook_.installed(); }
    // GetLastError of the failed installation.
    DWORD error() const { return hook_.error(); }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
    // Set and read on the hook thread only.
    static inline KeyLockHook* active = nullptr;

    win32::Win32KeyboardState keyboard_;
    KeyLock lock_;
    std::function<void()> onOperatorChord_;
    // Last: the hook may be called as soon as it is set, and goes before the rest.
    LowLevelHook<WH_KEYBOARD_LL, KeyLockHook> hook_;
};

}  // namespace tal::kiosk_ui
