#include "kiosk/ui/CornerTapHook.h"

namespace tal::kiosk_ui {

CornerTapHook::CornerTapHook(HookThread& thread, std::function<void()> onGesture)
    : onGesture_(std::move(onGesture)), hook_(thread, &Procedure, active, *this) {}

LRESULT CALLBACK CornerTapHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN && active != nullptr) {
        const auto* press = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (active->taps_.press(press->pt.x, press->pt.y, press->time)) {
            active->onGesture_();
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tal::kiosk_ui
