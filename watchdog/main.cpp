// talwatch.exe: keeps the kiosk running. `talwatch.exe /stop` asks the running one to stop.
#include <windows.h>

#include <chrono>
#include <cwchar>
#include <string>

#include "common/EventLog.h"
#include "common/ExitCodes.h"
#include "watchdog/Watchdog.h"
#include "win32/BackgroundNotices.h"
#include "win32/CoverWindow.h"
#include "win32/FailureReport.h"
#include "win32/WatchdogInstance.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32ChildProcess.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32LogStorage.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32SessionSnapshot.h"
#include "win32/Win32WatchdogSignals.h"
#include "win32/Win32WindowProbe.h"

namespace {

// The watchdog needs the kiosk's 5 s to close and a few seconds of its own.
constexpr std::chrono::seconds stopWait{15};

bool IsStopCommand(const wchar_t* commandLine) {
    while (*commandLine == L' ' || *commandLine == L'\t') {
        ++commandLine;
    }
    return ::_wcsnicmp(commandLine, L"/stop", 5) == 0 &&
           (commandLine[5] == L'\0' || commandLine[5] == L' ' || commandLine[5] == L'\t');
}

int Watch(HINSTANCE instance, tal::EventLog& log) {
    const auto running = tal::win32::WatchdogInstance::claim();
    if (!running) {
        return tal::exit_code::watchdogAlreadyRunning;
    }
    // Held while the watchdog runs, so that the kiosks it restarts keep the first one's snapshot.
    const tal::win32::Win32SessionSnapshot sessionSnapshot;
    if (!sessionSnapshot.isOpen()) {
        log.write("snapshot-failed", {{"error", sessionSnapshot.error()}});
    }
    tal::win32::Win32ProcessStarter starter;
    tal::win32::Win32WatchdogSignals signals(instance, running->stopEvent());
    tal::win32::Win32Desktop desktop;
    tal::win32::Win32WindowProbe probe;
    tal::win32::Win32Clock clock;
    tal::win32::Win32Process process;
    tal::win32::Win32ProfileFile profile;
    tal::win32::Win32Registry registry;
    tal::win32::BackgroundNotices notices;
    tal::win32::CoverWindow cover(instance);
    tal::watchdog::Watchdog watchdog(tal::watchdog::WatchdogPorts{
        starter, signals, desktop, probe, clock, process, profile, registry, notices, cover, log});
    return watchdog.run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (IsStopCommand(commandLine)) {
        switch (tal::win32::RequestWatchdogStop(stopWait)) {
            case tal::win32::StopResult::stopped:
                return tal::exit_code::watchdogStopped;
            case tal::win32::StopResult::noneRunning:
                return tal::exit_code::watchdogNotRunning;
            case tal::win32::StopResult::stillRunning:
                break;
        }
        return tal::exit_code::watchdogAlreadyRunning;
    }
    tal::win32::Win32LogStorage logStorage;
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(logStorage, calendar, "talwatch");
    return tal::win32::RunReportingFailures([&] { return Watch(instance, log); },
                                            [&log](const std::string& text) {
                                                log.write("error", {{"message", text}});
                                            },
                                            tal::exit_code::watchdogFailed);
}
