#include "win32/Win32MessageBoxes.h"

#include <windows.h>

#include "win32/OwnDialogScope.h"
#include "win32/TextConversion.h"

namespace tal::win32 {

// The logic's copy of the user32 style that it passes through this port.
static_assert(platform::message_box_style::okOnly == MB_OK);

void Win32MessageBoxes::show(const std::string& text, const std::string& caption,
                             std::uint32_t style) {
    const OwnDialogScope own;
    ::MessageBoxW(reinterpret_cast<HWND>(owner_), Utf8ToWide(text).c_str(),
                  Utf8ToWide(caption).c_str(), style);
}

}  // namespace tal::win32
