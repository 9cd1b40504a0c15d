#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace tal::test_support {

// The first top-level window of the process for which `match` holds, or null.
HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& match);
// The same, looked for until the timeout; null after it.
HWND WaitForProcessWindow(DWORD processId, const std::function<bool(HWND)>& match,
                          std::chrono::milliseconds timeout,
                          std::chrono::milliseconds step = std::chrono::milliseconds(20));

DWORD WindowProcess(HWND window);
// Whether a window's title is `utf8`, read without a message to its owner.
bool HasTitle(HWND window, const std::string& utf8);
// The text of a window or control, and the name of its class, as UTF-8.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A hidden window for the length of a test: Wine's desktop process, which owns the taskbar, runs
// only while some program has a window.
class DesktopKeeper {
public:
    DesktopKeeper();
    ~DesktopKeeper();
    DesktopKeeper(const DesktopKeeper&) = delete;
    DesktopKeeper& operator=(const DesktopKeeper&) = delete;

private:
    HWND window_;
};

}  // namespace tal::test_support
