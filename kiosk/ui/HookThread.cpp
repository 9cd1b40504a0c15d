#include "kiosk/ui/HookThread.h"

#include <future>

#include "win32/Failure.h"

namespace tal::kiosk_ui {

namespace {

// A thread message whose lParam is the task to run.
constexpr UINT runMessage = WM_APP + 1;

}  // namespace

HookThread::HookThread() {
    std::promise<DWORD> started;
    std::future<DWORD> id = started.get_future();
    thread_ = std::thread([this, &started] {
        MSG message;
        // Creates the queue, so that run() can post to it from now on.
        ::PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        started.set_value(::GetCurrentThreadId());
        loop();
    });
    threadId_ = id.get();
}

HookThread::~HookThread() {
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void HookThread::run(const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    if (::PostThreadMessageW(threadId_, runMessage, 0, reinterpret_cast<LPARAM>(&task)) == FALSE) {
        throw win32::Failure("フックのスレッドに処理を渡せませんでした。", ::GetLastError());
    }
    done.get();
}

void HookThread::loop() {
    MSG message;
    // Low-level and window-event hooks are called from inside GetMessageW.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == runMessage) {
            (*reinterpret_cast<std::packaged_task<void()>*>(message.lParam))();
            continue;
        }
        ::DispatchMessageW(&message);
    }
}

}  // namespace tal::kiosk_ui
