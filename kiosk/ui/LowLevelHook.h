#pragma once

#include <windows.h>

#include "kiosk/ui/HookThread.h"
#include "win32/UniqueHandle.h"

namespace tal::kiosk_ui {

// A low-level hook of kind `Kind` (WH_KEYBOARD_LL, WH_MOUSE_LL) set and removed on the hook thread.
// Its procedure gets no context of its own, so it finds its `Owner` in `active`, which this sets
// on the hook thread before the hook can be called and clears after it is gone: one owner of each
// kind per process.
template <int Kind, typename Owner>
class LowLevelHook {
public:
    // `thread` outlives the hook; `installed()` tells whether the system took it.
    LowLevelHook(HookThread& thread, HOOKPROC procedure, Owner*& active, Owner& owner)
        : thread_(thread), active_(active) {
        thread_.run([&] {
            active_ = &owner;
            hook_.reset(::SetWindowsHookExW(Kind, procedure, ::GetModuleHandleW(nullptr), 0));
            if (!hook_) {
                error_ = ::GetLastError();
                active_ = nullptr;
            }
        });
    }
    ~LowLevelHook() {
        try {
            thread_.run([this] {
                hook_.reset();
                active_ = nullptr;
            });
        } catch (...) {
            // The thread takes no more work: hook_ removes the hook from this thread as it goes,
            // which the system allows for a low-level hook.
        }
    }
    LowLevelHook(const LowLevelHook&) = delete;
    LowLevelHook& operator=(const LowLevelHook&) = delete;

    bool installed() const { return static_cast<bool>(hook_); }
    // GetLastError of the failed installation.
    DWORD error() const { return error_; }

private:
    HookThread& thread_;
    Owner*& active_;
    win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> hook_;
    DWORD error_ = 0;
};

}  // namespace tal::kiosk_ui
