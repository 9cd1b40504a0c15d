#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace tal::kiosk_ui {

// A thread of its own with a message loop and no windows, for the system's hooks: a hook is
// called on the thread that set it, and one set on the user-interface thread waits while a wipe,
// a log write or a busy page holds that thread; the system drops a low-level hook that keeps it
// waiting. Set and remove hooks through run(), which some kinds require to happen on the hook's
// own thread. The loop ends, and the thread with it, when the object goes.
class HookThread {
public:
    // Returns once the thread's message queue exists. Throws when the thread cannot be started.
    HookThread();
    ~HookThread();
    HookThread(const HookThread&) = delete;
    HookThread& operator=(const HookThread&) = delete;

    // Runs `work` on the thread and returns once it has run; what `work` throws is thrown here.
    void run(const std::function<void()>& work);

private:
    void loop();

    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace tal::kiosk_ui
