#include "tests/support/DesktopWindows.h"

#include <algorithm>

#include "tests/support/Deadline.h"
#include "win32/TextConversion.h"

namespace tal::test_support {

HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& match) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& match;
        HWND found;
    } search{processId, match, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            if (WindowProcess(window) != s.processId || !s.match(window)) {
                return TRUE;
            }
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const std::function<bool(HWND)>& match,
                          std::chrono::milliseconds timeout, std::chrono::milliseconds step) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindProcessWindow(processId, match)) != nullptr; }, timeout,
            step);
    return found;
}

DWORD WindowProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

bool HasTitle(HWND window, const std::string& utf8) {
    wchar_t title[512] = {};
    ::GetWindowTextW(window, title, 512);
    return win32::Utf8ToWide(utf8) == title;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 5000, &length);
    text.resize(std::min<std::size_t>(length, text.size()));
    return win32::WideToUtf8(text);
}

std::string ClassName(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return win32::WideToUtf8(name);
}

DesktopKeeper::DesktopKeeper()
    : window_(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr)) {}

DesktopKeeper::~DesktopKeeper() {
    ::DestroyWindow(window_);
}

}  // namespace tal::test_support
