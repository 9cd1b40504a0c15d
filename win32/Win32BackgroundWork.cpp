#include "win32/Win32BackgroundWork.h"

#include <utility>

namespace tal::win32 {

namespace {

// Posted by the work's thread when the work has returned.
constexpr UINT workDoneMessage = WM_APP + 1;

}  // namespace

Win32BackgroundWork::Win32BackgroundWork(HINSTANCE instance) {
    create({{L"TAL.BackgroundWork", COLOR_WINDOW},
            0,
            0,
            L"",
            false,
            "作業用のウィンドウを作成できませんでした。"},
           instance, HWND_MESSAGE);
}

Win32BackgroundWork::~Win32BackgroundWork() {
    // Asks the work to stop and waits for it, while everything it uses is still there.
    thread_ = std::jthread();
    done_ = nullptr;
    destroy();
}

void Win32BackgroundWork::run(std::function<void(std::stop_token)> work,
                              std::function<void()> done) {
    // The last work has returned: its completion came through this window.
    if (thread_.joinable()) {
        thread_.join();
    }
    done_ = std::move(done);
    thread_ = std::jthread([this, work = std::move(work), window = handle()](std::stop_token stop) {
        // No exception may end the program from this thread.
        try {
            work(std::move(stop));
        } catch (...) {
            failure_ = std::current_exception();
        }
        ::PostMessageW(window, workDoneMessage, 0, 0);
    });
}

LRESULT Win32BackgroundWork::handleMessage(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message != workDoneMessage) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    // Taken before `done`, which may start the next work, whose thread may fail in turn.
    const std::exception_ptr failure = std::exchange(failure_, nullptr);
    if (const std::function<void()> done = std::exchange(done_, nullptr)) {
        done();
    }
    // To the window's failure log, once the program has gone on.
    if (failure) {
        std::rethrow_exception(failure);
    }
    return 0;
}

}  // namespace tal::win32
