#pragma once

namespace tal::exit_code {

// The kiosk did not start because the program it must not run beside has a window open: try
// again later. Distinct from anything a crash or the C runtime's abort (3) returns.
inline constexpr int kioskRefused = 75;
// The kiosk ended so that the watchdog starts a new one at once: its fresh start of the day, or an
// operator's restart.
inline constexpr int kioskRestart = 76;

// talwatch.exe
inline constexpr int watchdogStopped = 0;
inline constexpr int watchdogAlreadyRunning = 1;
// The last attempt to start TAL.exe failed (the file is missing, say).
inline constexpr int watchdogCannotStartKiosk = 2;
// `talwatch.exe /stop` found no watchdog running in this session.
inline constexpr int watchdogNotRunning = 4;
// The watchdog met a fault it cannot go on after (a window it could not create, say): it showed
// the error box and logged it. Clear of the C runtime's abort (3).
inline constexpr int watchdogFailed = 70;

// What the watchdog gives a kiosk that it ends with TerminateProcess.
inline constexpr unsigned kioskTerminated = 0xDEAD;

}  // namespace tal::exit_code
