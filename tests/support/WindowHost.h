#pragma once

#include <chrono>
#include <string>

#include "tests/support/TemporaryFolder.h"
#include "win32/UniqueHandle.h"

namespace tal::test_support {

// A second process (the window-host helper program) holding the windows named by `windows`:
// "class|title|visible" separated by blanks. Its log tells what the windows received: "ready"
// once they stand, "close TITLE" for each WM_CLOSE, "quit" when WM_QUIT ended its loop.
class WindowHost {
public:
    WindowHost(const std::string& hostProgramLinuxPath, const TemporaryFolder& folder,
               const std::string& name, const std::string& windows);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    bool waitForExit(std::chrono::milliseconds timeout) const;
    std::string log() const;
    bool waitUntilReady() const;

private:
    std::string log_;
    win32::UniqueHandle process_;
};

}  // namespace tal::test_support
