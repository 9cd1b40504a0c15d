#include "win32/Win32ChildProcess.h"

#include <windows.h>

#include "win32/TextConversion.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace {

class Win32ChildProcess : public platform::ChildProcess {
public:
    Win32ChildProcess(UniqueHandle process, std::uint32_t id)
        : process_(std::move(process)), id_(id) {}

    std::uint32_t processId() override { return id_; }
    platform::ObjectHandle handle() override {
        return reinterpret_cast<platform::ObjectHandle>(process_.get());
    }
    std::optional<std::uint32_t> exitCode() override {
        // STILL_ACTIVE is also a code a process could exit with: the handle's state decides.
        if (::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD code = 0;
        ::GetExitCodeProcess(process_.get(), &code);
        return code;
    }
    bool terminate(std::uint32_t exitCode) override {
        if (::TerminateProcess(process_.get(), exitCode)) {
            return true;
        }
        lastError_ = ::GetLastError();
        return false;
    }
    std::uint32_t lastError() override { return lastError_; }

private:
    UniqueHandle process_;
    std::uint32_t id_;
    std::uint32_t lastError_ = 0;
};

}  // namespace

std::unique_ptr<platform::ChildProcess> Win32ProcessStarter::createProcess(
    const std::string& executable, const std::string& folder) {
    const std::wstring application = AnsiToWide(executable);
    std::wstring commandLine = L"\"" + application + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, AnsiToWide(folder).c_str(), &startup, &info)) {
        lastError_ = ::GetLastError();
        return nullptr;
    }
    const UniqueHandle thread(info.hThread);
    return std::make_unique<Win32ChildProcess>(UniqueHandle(info.hProcess), info.dwProcessId);
}

}  // namespace tal::win32
