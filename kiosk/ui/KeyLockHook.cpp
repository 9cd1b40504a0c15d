#include "kiosk/ui/KeyLockHook.h"

namespace tal::kiosk_ui {

namespace {

// A low-level hook procedure gets no context of its own: the one hook of the process, set and
// read on the hook thread only.
KeyLockHook* activeHook = nullptr;

}  // namespace

KeyLockHook::KeyLockHook(HookThread& thread, KeyLock::Rules rules,
                         std::function<void()> onOperatorChord)
    : thread_(thread),
      lock_(keyboard_, ::GetCurrentProcessId(), rules),
      onOperatorChord_(std::move(onOperatorChord)) {
    thread_.run([this] {
        activeHook = this;
        hook_.reset(
            ::SetWindowsHookExW(WH_KEYBOARD_LL, &Procedure, ::GetModuleHandleW(nullptr), 0));
        if (!hook_) {
            error_ = ::GetLastError();
            activeHook = nullptr;
        }
    });
}

KeyLockHook::~KeyLockHook() {
    try {
        thread_.run([this] {
            hook_.reset();
            activeHook = nullptr;
        });
    } catch (...) {
        // The thread takes no more work: hook_ removes the hook from this thread as it goes,
        // which the system allows for a low-level hook.
    }
}

LRESULT CALLBACK KeyLockHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && activeHook != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        switch (activeHook->lock_.stroke(key->vkCode, down, (key->flags & LLKHF_ALTDOWN) != 0,
                                         key->time)) {
            case KeyLock::Action::openOperatorMenu:
                activeHook->onOperatorChord_();
                return 1;
            case KeyLock::Action::swallow:
                return 1;
            case KeyLock::Action::pass:
                break;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tal::kiosk_ui
