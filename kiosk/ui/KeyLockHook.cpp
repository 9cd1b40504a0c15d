#include "kiosk/ui/KeyLockHook.h"

namespace tal::kiosk_ui {

namespace {

// A low-level hook procedure gets no context of its own: the one lock of the process, set and
// read on the hook thread only.
KeyLock* activeLock = nullptr;

}  // namespace

KeyLockHook::KeyLockHook(HookThread& thread) : thread_(thread) {
    thread_.run([this] {
        activeLock = &lock_;
        hook_.reset(
            ::SetWindowsHookExW(WH_KEYBOARD_LL, &Procedure, ::GetModuleHandleW(nullptr), 0));
        if (!hook_) {
            error_ = ::GetLastError();
            activeLock = nullptr;
        }
    });
}

KeyLockHook::~KeyLockHook() {
    try {
        thread_.run([this] {
            hook_.reset();
            activeLock = nullptr;
        });
    } catch (...) {
        // The thread takes no more work: hook_ removes the hook from this thread as it goes,
        // which the system allows for a low-level hook.
    }
}

LRESULT CALLBACK KeyLockHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && activeLock != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (activeLock->swallow(key->vkCode, down, (key->flags & LLKHF_ALTDOWN) != 0, key->time)) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tal::kiosk_ui
