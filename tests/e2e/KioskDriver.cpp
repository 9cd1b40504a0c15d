#include "tests/e2e/KioskDriver.h"

#include "tests/support/Deadline.h"

namespace tal::test_support {

KioskDriver::KioskDriver(const std::string* settings)
    : program_(WindowsPathOf(TAL_KIOSK_EXE), settings) {
    program_.start();
}

HWND KioskDriver::waitForMainWindow(std::chrono::milliseconds timeout) {
    return program_.waitForWindow(kioskTitle, timeout);
}

bool KioskDriver::close() {
    if (HWND window = program_.findWindow(kioskTitle)) {
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
