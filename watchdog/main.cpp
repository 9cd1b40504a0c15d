// talwatch.exe: keeps the kiosk running. `talwatch.exe /stop` asks the running one to stop.
#include <windows.h>

#include <chrono>
#include <cwchar>

#include "common/EventLog.h"
#include "common/ExitCodes.h"
#include "watchdog/Watchdog.h"
#include "win32/BackgroundNotices.h"
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

int Watch(HINSTANCE instance) {
    const auto running = tal::win32::WatchdogInstance::claim();
    if (!running) {
        return tal::exit_code::watchdogAlreadyRunning;
    }
    tal::win32::Win32LogStorage logStorage;
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(logStorage, calendar, "talwatch");
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
    tal::watchdog::Watchdog watchdog(tal::watchdog::WatchdogPorts{
        starter, signals, desktop, probe, clock, process, profile, registry, notices, log});
    return watchdog.run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (IsStopCommand(commandLine)) {
        return tal::win32::RequestWatchdogStop(stopWait) == tal::win32::StopResult::stillRunning
                   ? tal::exit_code::watchdogAlreadyRunning
                   : tal::exit_code::watchdogStopped;
    }
    return Watch(instance);
}
