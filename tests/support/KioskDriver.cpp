#include "tests/support/KioskDriver.h"

#include "kiosk/ui/ReturnButtonWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"

namespace tal::test_support {

KioskDriver::KioskDriver(const std::string* settings, const std::string& fileName)
    : program_(WindowsPathOf(TAL_KIOSK_EXE), settings, fileName) {
    program_.start();
}

HWND KioskDriver::waitForMainWindow(std::chrono::milliseconds timeout) {
    return program_.waitForWindow(kioskTitle, timeout);
}

HWND KioskDriver::waitForReturnButton() {
    return WaitForReturnButton(program_.processId());
}

HWND WaitForReturnButton(DWORD kiosk) {
    // Visible: the kiosk places the window before it shows it.
    return WaitForProcessWindow(
        kiosk,
        [](HWND window) {
            return ::IsWindowVisible(window) && ::GetWindowTextLengthW(window) == 0 &&
                   ::GetDlgItem(window, kiosk_ui::buttonId) != nullptr;
        },
        std::chrono::seconds(20));
}

bool PressReturnButton(HWND buttonWindow) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(::GetDlgItem(buttonWindow, kiosk_ui::buttonId), BM_CLICK, 0, 0,
                                 SMTO_ABORTIFHUNG, 20000, &result) != 0;
}

bool KioskDriver::close() {
    // Shown or still hidden while the kiosk waits to start.
    if (HWND window = FindProcessWindow(program_.processId(),
                                        [](HWND w) { return HasTitle(w, kioskTitle); })) {
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
