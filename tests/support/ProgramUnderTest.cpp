#include "tests/support/ProgramUnderTest.h"

#include <stdexcept>

#include "tests/support/Deadline.h"

namespace tal::test_support {

ProgramUnderTest::ProgramUnderTest(const std::string& executable, const std::string* settings,
                                   const std::string& fileName) {
    const std::size_t slash = executable.find_last_of("\\/");
    executable_ = folder_.file(fileName.empty() ? executable.substr(slash + 1) : fileName);
    if (!::CopyFileA(executable.c_str(), executable_.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + executable);
    }
    if (settings != nullptr) {
        folder_.write("TAL.ini", *settings);
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_ && !hasExited(std::chrono::milliseconds(0))) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

void ProgramUnderTest::start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + executable_ + "\"";
    if (!::CreateProcessA(executable_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, folder_.path().c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + executable_);
    }
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
}

bool ProgramUnderTest::hasExited(std::chrono::milliseconds wait) const {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::exitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND ProgramUnderTest::findWindow(const std::string& title) const {
    return FindProcessWindow(processId_, [&title](HWND window) {
        return ::IsWindowVisible(window) && HasTitle(window, title);
    });
}

HWND ProgramUnderTest::waitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                                     std::chrono::milliseconds step) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = findWindow(title)) != nullptr; }, timeout, step);
    return found;
}

std::string WindowsPathOf(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

}  // namespace tal::test_support
