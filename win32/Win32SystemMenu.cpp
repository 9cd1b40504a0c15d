#include "win32/Win32SystemMenu.h"

#include <windows.h>

namespace tal::win32 {

// The logic's copies of the user32 values that it passes through this port.
static_assert(platform::menu_flag::byCommand == MF_BYCOMMAND);
static_assert(platform::menu_flag::byPosition == MF_BYPOSITION);
static_assert(platform::systemCommandClose == SC_CLOSE);

platform::MenuHandle Win32SystemMenu::getSystemMenu(platform::WindowHandle window, bool revert) {
    return reinterpret_cast<platform::MenuHandle>(
        ::GetSystemMenu(reinterpret_cast<HWND>(window), revert ? TRUE : FALSE));
}

bool Win32SystemMenu::deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                                 std::uint32_t flags) {
    return ::DeleteMenu(reinterpret_cast<HMENU>(menu), position, flags) != FALSE;
}

}  // namespace tal::win32
