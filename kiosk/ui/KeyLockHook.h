#pragma once

#include <windows.h>

#include "kiosk/KeyLock.h"
#include "win32/UniqueHandle.h"

namespace tal::kiosk_ui {

// The key lock as a low-level keyboard hook of the user-interface thread. The hook does nothing
// slow: the system removes a hook that takes too long. One at a time per process.
class KeyLockHook {
public:
    // Installs the hook; `installed()` tells whether the system took it.
    KeyLockHook();
    ~KeyLockHook();
    KeyLockHook(const KeyLockHook&) = delete;
    KeyLockHook& operator=(const KeyLockHook&) = delete;

    bool installed() const { return static_cast<bool>(hook_); }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

    KeyLock lock_;
    win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> hook_;
};

}  // namespace tal::kiosk_ui
