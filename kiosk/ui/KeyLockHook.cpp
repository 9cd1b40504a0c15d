#include "kiosk/ui/KeyLockHook.h"

namespace tal::kiosk_ui {

KeyLockHook::KeyLockHook(HookThread& thread, KeyLock::Rules rules,
                         std::function<void()> onOperatorChord)
    : lock_(keyboard_, ::GetCurrentProcessId(), rules),
      onOperatorChord_(std::move(onOperatorChord)),
      hook_(thread, &Procedure, active, *this) {}

LRESULT CALLBACK KeyLockHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        switch (
            active->lock_.stroke(key->vkCode, down, (key->flags & LLKHF_ALTDOWN) != 0, key->time)) {
            case KeyLock::Action::openOperatorMenu:
                active->onOperatorChord_();
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
