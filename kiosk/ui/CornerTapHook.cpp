#include "kiosk/ui/CornerTapHook.h"

namespace tal::kiosk_ui {

namespace {

// Set and read on the hook thread only.
CornerTapHook* activeHook = nullptr;

}  // namespace

CornerTapHook::CornerTapHook(HookThread& thread, std::function<void()> onGesture)
    : thread_(thread), onGesture_(std::move(onGesture)) {
    thread_.run([this] {
        activeHook = this;
        hook_.reset(::SetWindowsHookExW(WH_MOUSE_LL, &Procedure, ::GetModuleHandleW(nullptr), 0));
        if (!hook_) {
            error_ = ::GetLastError();
            activeHook = nullptr;
        }
    });
}

CornerTapHook::~CornerTapHook() {
    try {
        thread_.run([this] {
            hook_.reset();
            activeHook = nullptr;
        });
    } catch (...) {
        // The thread takes no more work: hook_ removes the hook from this thread as it goes.
    }
}

LRESULT CALLBACK CornerTapHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN && activeHook != nullptr) {
        const auto* press = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (activeHook->taps_.press(press->pt.x, press->pt.y, press->time)) {
            activeHook->onGesture_();
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tal::kiosk_ui
