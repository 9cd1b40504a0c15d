#pragma once

#include <windows.h>

namespace tal::win32 {

// Marks the dialog that this thread opens next, while the scope lives, as one of the program's
// own, so that the guard against the system's dialogs lets it through. Every MessageBoxW of the
// programs runs inside one: the box is the first dialog its thread creates after the scope began.
// A dialog that a page opens from inside the box's message loop comes later and is not claimed.
class OwnDialogScope {
public:
    OwnDialogScope();
    ~OwnDialogScope();
    OwnDialogScope(const OwnDialogScope&) = delete;
    OwnDialogScope& operator=(const OwnDialogScope&) = delete;

    // For a dialog that `window` is, being created on the calling thread: true when a scope of
    // this thread is still waiting for its dialog, which is then `window`.
    static bool claim(HWND window);
    // Whether `window` is a dialog claimed by a scope that still lives.
    static bool isOwn(HWND window);
    // Ends the claimed dialogs of the calling thread as their Cancel would.
    static void closeAll();

private:
    DWORD thread_;
    HWND dialog_ = nullptr;
};

}  // namespace tal::win32
