#include "tests/e2e/KioskDriver.h"

#include "tests/support/Deadline.h"

namespace tal::test_support {

KioskDriver::KioskDriver(const std::string* settings, const std::string& fileName)
    : program_(WindowsPathOf(TAL_KIOSK_EXE), settings, fileName) {
    program_.start();
}

HWND KioskDriver::waitForMainWindow(std::chrono::milliseconds timeout) {
    return program_.waitForWindow(kioskTitle, timeout);
}

HWND KioskDriver::mainWindow() const {
    for (HWND window = nullptr;
         (window = ::FindWindowExA(nullptr, window, nullptr, kioskTitle)) != nullptr;) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == program_.processId()) {
            return window;
        }
    }
    return nullptr;
}

bool KioskDriver::close() {
    if (HWND window = mainWindow()) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return program_.hasExited(std::chrono::seconds(10));
}

HWND WaitForTaskBar() {
    HWND taskBar = nullptr;
    WaitFor([&] { return (taskBar = ::FindWindowA("Shell_TrayWnd", "")) != nullptr; },
            std::chrono::seconds(20));
    return taskBar;
}

}  // namespace tal::test_support
