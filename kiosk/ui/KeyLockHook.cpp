#include "kiosk/ui/KeyLockHook.h"

namespace tal::kiosk_ui {

namespace {

// A low-level hook procedure gets no context of its own: the one lock of the process.
KeyLock* activeLock = nullptr;

bool KioskInFront() {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &owner);
    return owner == ::GetCurrentProcessId();
}

}  // namespace

KeyLockHook::KeyLockHook() {
    activeLock = &lock_;
    hook_.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &Procedure, ::GetModuleHandleW(nullptr), 0));
    if (!hook_) {
        activeLock = nullptr;
    }
}

KeyLockHook::~KeyLockHook() {
    hook_.reset();
    activeLock = nullptr;
}

LRESULT CALLBACK KeyLockHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && activeLock != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (activeLock->swallow(key->vkCode, down, (key->flags & LLKHF_ALTDOWN) != 0,
                                KioskInFront())) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tal::kiosk_ui
