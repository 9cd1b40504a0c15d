#include "win32/Win32System.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <mmsystem.h>

#include <cwchar>
#include <memory>
#include <vector>

#include "win32/TextConversion.h"

namespace tal::win32 {

std::uint32_t Win32Clock::tickCount() {
    return ::timeGetTime();
}

platform::TimeOfDay Win32Clock::localTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

bool Win32ScreenSaver::isRunning() {
    BOOL running = FALSE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

std::string Win32Process::applicationPath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            std::string file(path.data(), length);
            const std::size_t slash = file.find_last_of('\\');
            if (slash == std::string::npos) {
                return file;
            }
            // A drive's root keeps its "\" ("C:\"); any other folder is given without it.
            return file.substr(0, slash == 2 && file[1] == ':' ? slash + 1 : slash);
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32Process::environmentEntry(std::size_t index) {
    struct FreeStrings {
        void operator()(wchar_t* block) const { ::FreeEnvironmentStringsW(block); }
    };
    const std::unique_ptr<wchar_t, FreeStrings> block(::GetEnvironmentStringsW());
    if (!block || index == 0) {
        return {};
    }
    std::size_t number = 0;
    for (const wchar_t* entry = block.get(); *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        // Entries of the drives' current folders ("=C:=C:\") are not variables.
        if (*entry == L'=') {
            continue;
        }
        if (++number == index) {
            return WideToAnsi(entry);
        }
    }
    return {};
}

std::uint32_t Win32Process::processId() {
    return ::GetCurrentProcessId();
}

bool Win32MessagePump::dispatchPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program's own loop must still see it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

void Win32MessagePump::waitForMessages(std::uint32_t timeoutMilliseconds) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMilliseconds, QS_ALLINPUT);
}

void Win32MessageBoxes::show(const std::string& text, const std::string& caption,
                             std::uint32_t style) {
    ::MessageBoxW(reinterpret_cast<HWND>(owner_), Utf8ToWide(text).c_str(),
                  Utf8ToWide(caption).c_str(), style);
}

platform::MenuHandle Win32SystemMenu::getSystemMenu(platform::WindowHandle window, bool revert) {
    return reinterpret_cast<platform::MenuHandle>(
        ::GetSystemMenu(reinterpret_cast<HWND>(window), revert ? TRUE : FALSE));
}

bool Win32SystemMenu::deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                                 std::uint32_t flags) {
    return ::DeleteMenu(reinterpret_cast<HMENU>(menu), position, flags) != FALSE;
}

}  // namespace tal::win32
