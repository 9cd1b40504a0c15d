#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/support/DesktopWindows.h"
#include "tests/support/Screen.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/UniqueHandle.h"

namespace tal::test_support {

// One of the programs, copied into a folder of its own with the settings file a test gives it,
// started as a person would start it, and ended with the test if it is still running.
class ProgramUnderTest {
public:
    // `executable`: the built program (ANSI path); `settings`: the bytes of TAL.ini, or nothing
    // for no settings file; `fileName`: the copy's name where it differs from the program's.
    ProgramUnderTest(const std::string& executable, const std::string* settings,
                     const std::string& fileName = {});
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    void start();
    DWORD processId() const { return processId_; }
    bool hasExited(std::chrono::milliseconds wait) const;
    DWORD exitCode() const;

    const TemporaryFolder& folder() const { return folder_; }
    std::string settingsPath() const { return folder_.file("TAL.ini"); }
    std::string settingsText() const { return folder_.read("TAL.ini"); }

    // The first visible top-level window of this process with the given title (UTF-8), or null.
    HWND findWindow(const std::string& title) const;
    HWND waitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                       std::chrono::milliseconds step = std::chrono::milliseconds(20)) const;

private:
    TemporaryFolder folder_;
    std::string executable_;
    win32::UniqueHandle process_;
    DWORD processId_ = 0;
};

// The Windows path of a file that the build names by its Linux path: Wine sees the Linux root as
// drive Z:.
std::string WindowsPathOf(const std::string& linuxPath);

}  // namespace tal::test_support
