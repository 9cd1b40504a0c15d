#include "win32/BackgroundNotices.h"

#include "win32/TextConversion.h"

namespace tal::win32 {

BackgroundNotices::~BackgroundNotices() {
    closeBox();
}

void BackgroundNotices::show(const std::string& text, const std::string& caption) {
    // One box at a time: a new one replaces the one still open.
    closeBox();
    box_ = {Utf8ToWide(text), Utf8ToWide(caption)};
    thread_.reset(::CreateThread(nullptr, 0, &ShowBox, &box_, 0, &threadId_));
}

DWORD WINAPI BackgroundNotices::ShowBox(void* box) {
    const auto& shown = *static_cast<const Box*>(box);
    // System-modal boxes are topmost (MB_TOPMOST alone is not, under Wine): above the watchdog's
    // cover.
    ::MessageBoxW(nullptr, shown.text.c_str(), shown.caption.c_str(),
                  MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_SYSTEMMODAL);
    return 0;
}

void BackgroundNotices::closeBox() {
    if (!thread_) {
        return;
    }
    // The box's modal loop ends on a quit message. Until the thread has its message queue the
    // post fails, so it is repeated until the thread is gone.
    while (::WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT) {
        ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        ::WaitForSingleObject(thread_.get(), 50);
    }
    thread_.reset();
}

}  // namespace tal::win32
