#include "win32/Window.h"

#include <string>

namespace tal::win32 {

void RegisterClassOnce(const WNDCLASSEXW& definition, std::string_view whatFailed) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(definition.hInstance, definition.lpszClassName, &existing)) {
        return;
    }
    if (::RegisterClassExW(&definition) == 0) {
        throw Failure(whatFailed, ::GetLastError());
    }
}

void LogHandlerFailure(UINT message) noexcept {
    wchar_t line[96] = {};
    ::_snwprintf(line, sizeof line / sizeof line[0] - 1,
                 L"TAL: a window's handler of message 0x%04X failed\n", message);
    ::OutputDebugStringW(line);
}

}  // namespace tal::win32
