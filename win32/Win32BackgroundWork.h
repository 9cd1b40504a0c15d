#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <stop_token>
#include <thread>

#include "platform/BackgroundWork.h"
#include "win32/Window.h"

namespace tal::win32 {

// Runs the work on a thread of its own; its completion comes back through a message-only window
// of the UI thread. Construction throws a win32::Failure when the window cannot be created.
class Win32BackgroundWork : public Window<Win32BackgroundWork>, public platform::BackgroundWork {
public:
    explicit Win32BackgroundWork(HINSTANCE instance);
    ~Win32BackgroundWork() override;
    Win32BackgroundWork(const Win32BackgroundWork&) = delete;
    Win32BackgroundWork& operator=(const Win32BackgroundWork&) = delete;

    void run(std::function<void(std::stop_token)> work, std::function<void()> done) override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::function<void()> done_;
    // What the work threw, handed on once its completion has run.
    std::exception_ptr failure_;
    std::jthread thread_;
};

}  // namespace tal::win32
