#include "win32/Win32WindowProbe.h"

#include <windows.h>

namespace tal::win32 {

bool Win32WindowProbe::sendMessageTimeout(platform::WindowHandle window, std::uint32_t message,
                                          std::uint32_t flags, std::uint32_t timeoutMilliseconds) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(reinterpret_cast<HWND>(window), message, 0, 0, flags,
                                 timeoutMilliseconds, &result) != 0;
}

}  // namespace tal::win32
