#include "win32/Win32KeyboardState.h"

#include <windows.h>

namespace tal::win32 {

bool Win32KeyboardState::isKeyDown(std::uint32_t virtualKey) {
    return (::GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

std::uint32_t Win32KeyboardState::foregroundProcessId() {
    DWORD owner = 0;
    if (HWND window = ::GetForegroundWindow()) {
        ::GetWindowThreadProcessId(window, &owner);
    }
    return owner;
}

}  // namespace tal::win32
