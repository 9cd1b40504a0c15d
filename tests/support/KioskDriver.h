#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/support/ProgramUnderTest.h"

namespace tal::test_support {

inline constexpr char kioskTitle[] = "Varnolt";

// TAL.exe started from a folder of its own with the given TAL.ini (or none).
class KioskDriver {
public:
    // `fileName`: the copy's name where it differs from the program's.
    explicit KioskDriver(const std::string* settings, const std::string& fileName = {});

    ProgramUnderTest& program() { return program_; }
    // The visible main window, once it has appeared; null after the timeout.
    HWND waitForMainWindow(std::chrono::milliseconds timeout);
    // The untitled window with the "はじめに戻る" button, once it is shown; null after 20 s.
    HWND waitForReturnButton();
    // Closes the main window, shown or not yet, as the system would and waits for the program to
    // end.
    bool close();
    // TAL.log beside TAL.ini, as written so far.
    std::string log() const { return program_.folder().read("TAL.log"); }

private:
    ProgramUnderTest program_;
};

// The untitled window with the "はじめに戻る" button of the kiosk process `kiosk`, once it is
// shown; null after 20 s.
HWND WaitForReturnButton(DWORD kiosk);
// Clicks the button of the return button window; true once the kiosk has handled the click.
bool PressReturnButton(HWND buttonWindow);

// The taskbar window of the Wine desktop, once it exists.
HWND WaitForTaskBar();

}  // namespace tal::test_support
