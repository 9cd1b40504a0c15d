#include "tests/support/WindowHost.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "tests/support/Deadline.h"
#include "tests/support/ProgramUnderTest.h"

namespace tal::test_support {

WindowHost::WindowHost(const std::string& hostProgramLinuxPath, const TemporaryFolder& folder,
                       const std::string& name, const std::string& windows)
    : log_(folder.file(name + ".log")) {
    std::string commandLine =
        "\"" + WindowsPathOf(hostProgramLinuxPath) + "\" \"" + log_ + "\" " + windows;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        process_.reset(info.hProcess);
    }
}

WindowHost::~WindowHost() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(process_.get(), 9);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool WindowHost::waitForExit(std::chrono::milliseconds timeout) const {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

std::string WindowHost::log() const {
    std::ifstream in(log_);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WindowHost::waitUntilReady() const {
    return WaitFor([&] { return log().find("ready") != std::string::npos; },
                   std::chrono::seconds(20));
}

}  // namespace tal::test_support
