#include "win32/Win32SessionSnapshot.h"

#include <algorithm>

namespace tal::win32 {

namespace {

// As many windows as a snapshot ever held; a larger one is not published.
constexpr std::size_t capacity = 32767;

enum State : LONG { empty = 0, writing = 1, complete = 2 };

}  // namespace

// A new section is all zeros: empty.
struct Win32SessionSnapshot::Shared {
    volatile LONG state;
    std::uint32_t count;
    std::uint64_t windows[capacity];
};

Win32SessionSnapshot::Win32SessionSnapshot() {
    // Opens the section when another program of the session has made it already.
    section_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(Shared), sectionName));
    if (section_) {
        view_.reset(::MapViewOfFile(section_.get(), FILE_MAP_WRITE, 0, 0, sizeof(Shared)));
    }
    if (!view_) {
        error_ = ::GetLastError();
        return;
    }
    shared_ = static_cast<Shared*>(view_.get());
}

std::optional<std::vector<platform::WindowHandle>> Win32SessionSnapshot::published() {
    // The exchange that changes nothing reads the state with a full barrier.
    if (shared_ == nullptr ||
        ::InterlockedCompareExchange(&shared_->state, complete, complete) != complete) {
        return std::nullopt;
    }
    const std::size_t count = std::min<std::size_t>(shared_->count, capacity);
    return std::vector<platform::WindowHandle>(shared_->windows, shared_->windows + count);
}

bool Win32SessionSnapshot::publish(const std::vector<platform::WindowHandle>& windows) {
    // A kiosk that ends half-way through leaves the state at writing: nothing is published then,
    // and every kiosk takes its own snapshot.
    if (shared_ == nullptr || windows.size() > capacity ||
        ::InterlockedCompareExchange(&shared_->state, writing, empty) != empty) {
        return false;
    }
    shared_->count = static_cast<std::uint32_t>(windows.size());
    std::copy(windows.begin(), windows.end(), shared_->windows);
    ::InterlockedExchange(&shared_->state, complete);
    return true;
}

}  // namespace tal::win32
