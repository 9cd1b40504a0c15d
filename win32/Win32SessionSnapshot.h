#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/SessionSnapshot.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

// The session's kept snapshot: a named section of the paging file in the session's namespace.
// Every kiosk of the session opens it, and so does the watchdog, which holds it for its whole
// life; the system frees it when the last of them closes it.
class Win32SessionSnapshot : public platform::SessionSnapshot {
public:
    static constexpr const wchar_t* sectionName = L"Local\\TAL.snapshot";

    Win32SessionSnapshot();

    // Whether the section could be opened; error() then tells why not. Unopened, nothing is ever
    // published and every kiosk takes its own snapshot.
    bool isOpen() const { return shared_ != nullptr; }
    std::uint32_t error() const { return error_; }

    std::optional<std::vector<platform::WindowHandle>> published() override;
    bool publish(const std::vector<platform::WindowHandle>& windows) override;

private:
    struct Shared;
    using UniqueView = UniqueAny<void*, &::UnmapViewOfFile>;

    UniqueHandle section_;
    UniqueView view_;
    Shared* shared_ = nullptr;
    std::uint32_t error_ = 0;
};

}  // namespace tal::win32
