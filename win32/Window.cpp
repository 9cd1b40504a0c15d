#include "win32/Window.h"

#include <cstdio>
#include <string>

#include "win32/TextConversion.h"

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

LRESULT StaticOnWindowColor(WPARAM context) {
    HDC dc = reinterpret_cast<HDC>(context);
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

void LogHandlerFailure(HWND window, UINT message, std::string_view what, EventLog* log) noexcept {
    wchar_t line[96] = {};
    ::_snwprintf(line, sizeof line / sizeof line[0] - 1,
                 L"TAL: a window's handler of message 0x%04X failed\n", message);
    ::OutputDebugStringW(line);
    if (log == nullptr) {
        return;
    }
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, sizeof className / sizeof className[0]);
    char number[16] = {};
    std::snprintf(number, sizeof number, "0x%04X", message);
    try {
        log->write("handler-failed",
                   {{"class", WideToUtf8(className)}, {"message", number}, {"what", what}});
    } catch (...) {
        // Out of memory for the class name's text: the debugger's line has to do.
    }
}

}  // namespace tal::win32
