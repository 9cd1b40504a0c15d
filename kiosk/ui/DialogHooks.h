#pragma once

#include <windows.h>

#include "kiosk/ProcessWindowGuard.h"
#include "win32/UniqueHandle.h"

namespace tal::kiosk_ui {

// The guard against the system's dialogs, as two hooks that hand every top-level window of the
// process to ProcessWindowGuard: a creation hook (WH_CBT) on the thread that constructs this
// object refuses a window before it exists; a window-event hook for the whole process closes what
// other threads open as soon as the system reports it created or shown (its events reach this
// thread through its message queue). One at a time per process.
class DialogHooks {
public:
    explicit DialogHooks(ProcessWindowGuard& guard);
    ~DialogHooks();
    DialogHooks(const DialogHooks&) = delete;
    DialogHooks& operator=(const DialogHooks&) = delete;

    // Whether the system took both hooks.
    bool installed() const { return creation_ && events_; }

private:
    static LRESULT CALLBACK OnCreation(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnWindowEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                       LONG child, DWORD thread, DWORD time);

    ProcessWindowGuard& guard_;
    win32::UniqueAny<HHOOK, &::UnhookWindowsHookEx> creation_;
    win32::UniqueAny<HWINEVENTHOOK, &::UnhookWinEvent> events_;
};

}  // namespace tal::kiosk_ui
