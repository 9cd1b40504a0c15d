#include "win32/Win32UserInput.h"

#include <windows.h>

namespace tal::win32 {

platform::InputTimes Win32UserInput::inputTimes() {
    LASTINPUTINFO last{};
    last.cbSize = sizeof last;
    // Both on the same clock: GetLastInputInfo stamps input with GetTickCount.
    const DWORD now = ::GetTickCount();
    if (::GetLastInputInfo(&last) == FALSE) {
        // Unknown reads as input now, which never resets anything.
        return {now, now};
    }
    return {now, last.dwTime};
}

}  // namespace tal::win32
