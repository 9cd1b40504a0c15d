#pragma once

#include <windows.h>

#include <string>

#include "platform/Notices.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

// Shows each message box on a thread of its own, so the program goes on while it is open.
// Destroying this object closes a box that is still open and waits for its thread.
class BackgroundNotices : public platform::Notices {
public:
    BackgroundNotices() = default;
    ~BackgroundNotices() override;
    BackgroundNotices(const BackgroundNotices&) = delete;
    BackgroundNotices& operator=(const BackgroundNotices&) = delete;

    void show(const std::string& text, const std::string& caption) override;

private:
    struct Box {
        std::wstring text;
        std::wstring caption;
    };
    static DWORD WINAPI ShowBox(void* box);
    void closeBox();

    Box box_;
    UniqueHandle thread_;
    DWORD threadId_ = 0;
};

}  // namespace tal::win32
