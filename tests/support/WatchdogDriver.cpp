#include "tests/support/WatchdogDriver.h"

#include <stdexcept>

#include "tests/support/Deadline.h"
#include "tests/support/DesktopWindows.h"
#include "tests/support/KioskDriver.h"
#include "win32/UniqueHandle.h"

namespace tal::test_support {

namespace {

std::string FolderName(const std::string& path) {
    return path.substr(path.find_last_of('\\') + 1);
}

}  // namespace

WatchdogDriver::WatchdogDriver(const std::string& watchdog, const std::string& kiosk,
                               const std::string& settings)
    : program_(WindowsPathOf(watchdog), &settings) {
    if (!::CopyFileA(WindowsPathOf(kiosk).c_str(), program_.folder().file("TAL.exe").c_str(),
                     FALSE)) {
        throw std::runtime_error("cannot copy " + kiosk);
    }
}

WatchdogDriver::~WatchdogDriver() {
    if (program_.processId() != 0 && !program_.hasExited(std::chrono::milliseconds(0))) {
        stop();
    }
}

DWORD WatchdogDriver::stop() {
    std::string commandLine = "\"" + program_.folder().file("talwatch.exe") + "\" /stop";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          program_.folder().path().c_str(), &startup, &info)) {
        return 99;
    }
    ::CloseHandle(info.hThread);
    const win32::UniqueHandle process(info.hProcess);
    if (::WaitForSingleObject(process.get(), 30'000) != WAIT_OBJECT_0) {
        return 99;
    }
    DWORD code = 99;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

HWND WatchdogDriver::waitForKiosk(DWORD previous, std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window = nullptr;
                 (window = ::FindWindowExA(nullptr, window, nullptr, kioskTitle)) != nullptr;) {
                if (::IsWindowVisible(window) && WindowProcess(window) != previous) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout, std::chrono::milliseconds(5));
    return found;
}

std::string WatchdogDriver::kioskPathEnd() const {
    return "\\" + FolderName(program_.folder().path()) + "\\TAL.exe";
}

std::vector<std::string> WatchdogDriver::logLines() const {
    const std::string text = program_.folder().read("TAL.log");
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        lines.push_back(text.substr(begin, end - begin));
    }
    return lines;
}

std::vector<std::string> WatchdogDriver::logEvents(const std::string& event) const {
    std::vector<std::string> found;
    for (const std::string& line : logLines()) {
        const std::size_t program = line.find(' ');
        const std::size_t start = line.find(' ', program + 1);
        if (start != std::string::npos && line.compare(start + 1, event.size(), event) == 0 &&
            (line.size() == start + 1 + event.size() || line[start + 1 + event.size()] == ' ')) {
            found.push_back(line);
        }
    }
    return found;
}

}  // namespace tal::test_support
