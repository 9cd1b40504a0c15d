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

platform::InputDevices Win32UserInput::inputDevices() {
    platform::InputDevices devices;
    if (POINT point{}; ::GetCursorPos(&point) != FALSE) {
        devices.pointer = platform::ScreenPoint{point.x, point.y};
    }
    // The low bit is one per key for every reader in the session: whoever reads it takes it. The
    // kiosk's key lock reads only the high bit, and the low bit is read only around the kiosk's
    // own window changes.
    for (int key = 1; key < 256; ++key) {
        const auto state = static_cast<unsigned short>(::GetAsyncKeyState(key));
        devices.held[static_cast<std::size_t>(key)] = (state & 0x8000U) != 0;
        devices.pressedSinceLastReading = devices.pressedSinceLastReading || (state & 1U) != 0;
    }
    return devices;
}

}  // namespace tal::win32
