#include "win32/Win32Succession.h"

#include <windows.h>

#include <string>

#include "win32/UniqueHandle.h"
#include "win32/WatchdogInstance.h"

namespace tal::win32 {

namespace {

// The longest path the system has, and its terminating null.
constexpr DWORD longestPath = 32768;

}  // namespace

bool Win32Succession::watchdogRuns() {
    return WatchdogRuns();
}

bool Win32Succession::stopWatchdog() {
    if (!SignalWatchdogStop()) {
        lastError_ = ::GetLastError();
        return false;
    }
    return true;
}

bool Win32Succession::startCopy(std::uint32_t waitMilliseconds) {
    // The executable by its own path: the command line may name it without a folder, or unquoted
    // with blanks.
    std::wstring application(longestPath, L'\0');
    application.resize(::GetModuleFileNameW(nullptr, application.data(), longestPath));
    std::wstring commandLine = ::GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // No folder given: the copy starts in this process's current folder.
    if (application.empty() ||
        !::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &info)) {
        lastError_ = ::GetLastError();
        return false;
    }
    const UniqueHandle thread(info.hThread);
    const UniqueHandle process(info.hProcess);
    ::WaitForInputIdle(process.get(), waitMilliseconds);
    return true;
}

}  // namespace tal::win32
