#pragma once

#include <windows.h>

#include <functional>

#include "kiosk/KeyLock.h"
#include "kiosk/ui/HookThread.h"
#include "win32/UniqueHandle.h"
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
    ~KeyLockHook();
    KeyLockHook(const KeyLockHook&) = delete;
    KeyLockHook& operator=(const KeyLockHook&) = delete;

    bool installed() const { return static_cast<bool>(hook_); }
    // GetLastError of the failed installation.
    DWORD error() const { return error_; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

    HookThread& thread_;
    win32::Win32KeyboardState keyboard_;
    KeyLock lock_;
    std::function<void()> onOperatorChord_;
    win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> hook_;
    DWORD error_ = 0;
};

}  // namespace tal::kiosk_ui
