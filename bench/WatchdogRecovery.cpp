// Measures, under the real system: the time from a kill -9 of the watched kiosk to the next
// kiosk window being visible, and the cost of one line of the event log. Prints one
// "name value" line per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/EventLog.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnixProcess.h"
#include "tests/support/WatchdogDriver.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32LogStorage.h"

namespace {

using Clock = std::chrono::steady_clock;
using tal::test_support::WatchdogDriver;

// A watchdog takes more than five starts in a minute for a crash loop and backs off: each one
// here sees five kills at most.
constexpr int killsPerWatchdog = 5;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Milliseconds from each kill to the next visible kiosk window; -1 for a kiosk that never came.
std::vector<double> RecoveryTimes(int kills) {
    const std::string settings = "[CONFIG]\r\nStartPage=about:blank\r\n";
    std::vector<double> times;
    while (static_cast<int>(times.size()) < kills) {
        WatchdogDriver watchdog(TAL_WATCHDOG_EXE, TAL_KIOSK_EXE, settings);
        watchdog.program().start();
        HWND window = watchdog.waitForKiosk(0, std::chrono::seconds(30));
        for (int kill = 0; kill < killsPerWatchdog && static_cast<int>(times.size()) < kills;
             ++kill) {
            DWORD kiosk = 0;
            const auto linuxProcess = tal::test_support::LinuxProcessOf(watchdog.kioskPathEnd());
            if (window == nullptr || !linuxProcess) {
                times.push_back(-1);
                continue;
            }
            ::GetWindowThreadProcessId(window, &kiosk);
            const auto started = Clock::now();
            tal::test_support::SendLinuxSignal(*linuxProcess, "KILL");
            window = watchdog.waitForKiosk(kiosk, std::chrono::seconds(30));
            times.push_back(window != nullptr ? Milliseconds(Clock::now() - started) : -1);
        }
        watchdog.stop();
    }
    return times;
}

// The log of a folder of its own instead of the bench program's.
class FolderLogStorage : public tal::win32::Win32LogStorage {
public:
    explicit FolderLogStorage(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() override { return folder_; }

private:
    std::string folder_;
};

// Microseconds per line, the median of `lines`.
double AppendMicroseconds(int lines) {
    const tal::test_support::TemporaryFolder folder;
    FolderLogStorage storage(folder.path());
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(storage, calendar, "bench");
    std::vector<double> times;
    for (int n = 0; n < lines; ++n) {
        const auto started = Clock::now();
        log.write("reset", {{"trigger", "button"}, {"closed", 2}, {"wiped", 31}, {"n", n}});
        times.push_back(Milliseconds(Clock::now() - started) * 1000);
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    // Keeps the desktop process alive between the kiosks, as on a real desktop.
    const tal::test_support::DesktopKeeper keeper;
    const std::vector<double> times = RecoveryTimes(kills);
    std::printf("recovery_runs %d\n", static_cast<int>(times.size()));
    std::printf("recovery_median_ms %.0f\n", Median(times));
    std::printf("recovery_max_ms %.0f\n", *std::max_element(times.begin(), times.end()));
    std::printf("recovery_failed %d\n",
                static_cast<int>(std::count(times.begin(), times.end(), -1.0)));
    for (const double time : times) {
        std::printf("recovery_run_ms %.0f\n", time);
    }
    std::printf("log_append_us %.1f\n", AppendMicroseconds(2000));
    return 0;
}
