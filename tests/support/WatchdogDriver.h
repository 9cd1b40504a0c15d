#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/DesktopWindows.h"
#include "tests/support/ProgramUnderTest.h"

namespace tal::test_support {

// talwatch.exe started from a folder of its own, with `kiosk` beside it as TAL.exe and the given
// TAL.ini (both programs named by their Linux paths). Stopped with the test if it still runs.
class WatchdogDriver {
public:
    WatchdogDriver(const std::string& watchdog, const std::string& kiosk,
                   const std::string& settings);
    ~WatchdogDriver();
    WatchdogDriver(const WatchdogDriver&) = delete;
    WatchdogDriver& operator=(const WatchdogDriver&) = delete;

    ProgramUnderTest& program() { return program_; }
    // `talwatch.exe /stop` from the same folder: its exit code, or 99 when it did not end.
    DWORD stop();

    // A visible kiosk window of a process other than `previous`, once there is one.
    HWND waitForKiosk(DWORD previous, std::chrono::milliseconds timeout) const;
    // The end of the kiosk's path, by which its Linux process is found.
    std::string kioskPathEnd() const;

    std::vector<std::string> logLines() const;
    // The lines whose event (the third word) is `event`.
    std::vector<std::string> logEvents(const std::string& event) const;

private:
    ProgramUnderTest program_;
};

}  // namespace tal::test_support
