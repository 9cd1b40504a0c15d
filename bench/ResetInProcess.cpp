// Measures the reset's parts in this process under the real system: the wipe of 1,000 URL cache
// entries, the UI thread's longest stall while a reset wipes 1,000 entries, the replacement of the
// browser control, and the private memory after 10 and after 1,000 resets with ClearSession.
// Prints "name value" lines.
#include <ole2.h>
#include <windows.h>
// After <windows.h>, which they need.
#include <psapi.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "kiosk/Kiosk.h"
#include "kiosk/SessionWipe.h"
#include "kiosk/ui/MainWindow.h"
#include "tests/wine/KioskServices.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32InternetSession.h"
#include "win32/Win32Registry.h"
#include "win32/Win32UserFolders.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
}

bool PlantPages(int count, int round) {
    for (int i = 0; i < count; ++i) {
        const std::string page =
            "http://bench-" + std::to_string(round) + ".example/page" + std::to_string(i) + ".html";
        char file[MAX_PATH] = {};
        if (!::CreateUrlCacheEntryA(page.c_str(), 0, "html", file, 0)) {
            return false;
        }
        {
            const tal::win32::UniqueHandle handle(::CreateFileA(
                file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD written = 0;
            ::WriteFile(handle.get(), "<p>visit</p>", 12, &written, nullptr);
        }
        FILETIME never{};
        if (!::CommitUrlCacheEntryA(page.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr,
                                    0, nullptr, nullptr)) {
            return false;
        }
    }
    return true;
}

// The longest time the window's thread took to answer a message, asked for every 2 ms from a
// thread of its own until stopped.
class StallProbe {
public:
    explicit StallProbe(HWND window)
        : thread_([this, window](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  const auto asked = Clock::now();
                  DWORD_PTR result = 0;
                  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
                  const double waited = Milliseconds(asked);
                  longest_ = std::max(longest_.load(), waited);
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
              }
              ended_ = true;
          }) {}

    // Called on the window's thread, which answers the last question while the probe ends.
    double longest() {
        thread_.request_stop();
        MSG message{};
        while (!ended_) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&message);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        thread_.join();
        return longest_;
    }

private:
    std::atomic<double> longest_{0};
    std::atomic<bool> ended_{false};
    std::jthread thread_;
};

// Handles the thread's messages until the kiosk's wipe is done.
void PumpWhileWiping(const tal::Kiosk& kiosk) {
    MSG message{};
    while (kiosk.wiping() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
}

std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

}  // namespace

int main() {
    tal::win32::Win32InternetSession session;
    tal::win32::Win32UserFolders folders;
    tal::win32::Win32Registry registry;
    const tal::SessionStores stores{session, folders, registry};
    std::vector<double> wipes;
    for (int round = 0; round < 3; ++round) {
        if (!PlantPages(1000, round)) {
            std::fprintf(stderr, "cannot plant cache entries\n");
            return 1;
        }
        const auto started = Clock::now();
        const tal::WipeResult wipe = tal::WipeSession(stores);
        wipes.push_back(Milliseconds(started));
        std::fprintf(stderr, "wipe %d: %zu deleted, %zu left, %.1f ms\n", round + 1, wipe.deleted,
                     wipe.left, wipes.back());
    }
    std::printf("wipe_1000_ms %.1f\n", Median(wipes));

    if (FAILED(::OleInitialize(nullptr))) {
        return 1;
    }
    {
        tal::kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
        window.navigate("about:blank");
        std::vector<double> replacements;
        for (int i = 0; i < 50; ++i) {
            const auto started = Clock::now();
            window.replaceBrowser();
            replacements.push_back(Milliseconds(started));
            Pump();
        }
        std::printf("replace_browser_ms %.1f\n", Median(replacements));
    }
    {
        tal::test_support::KioskServices services;
        services.folder.write("TAL.ini",
                              "[CONFIG]\r\nStartPage=about:blank\r\nClearSession=on\r\n");
        tal::kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
        tal::Kiosk kiosk(services.platform(), window);
        kiosk.start();
        PumpWhileWiping(kiosk);

        std::vector<double> stalls;
        std::vector<double> wiping;
        for (int round = 0; round < 3; ++round) {
            if (!PlantPages(1000, 10 + round)) {
                std::fprintf(stderr, "cannot plant cache entries\n");
                return 1;
            }
            StallProbe probe(window.handle());
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const auto pressed = Clock::now();
            kiosk.reset(tal::ResetTrigger::button);
            PumpWhileWiping(kiosk);
            wiping.push_back(Milliseconds(pressed));
            stalls.push_back(probe.longest());
            std::fprintf(stderr,
                         "reset with 1,000 entries %d: %.1f ms to the start page, %.1f ms "
                         "longest stall\n",
                         round + 1, wiping.back(), stalls.back());
        }
        std::printf("reset_wipe_1000_ms %.1f\n", Median(wiping));
        std::printf("ui_stall_during_wipe_max_ms %.1f\n",
                    *std::max_element(stalls.begin(), stalls.end()));

        const auto resets = [&](int count) {
            for (int i = 0; i < count; ++i) {
                kiosk.reset(tal::ResetTrigger::button);
                PumpWhileWiping(kiosk);
                Pump();
            }
        };
        resets(10);
        const std::size_t after10 = PrivateBytes();
        resets(990);
        const std::size_t after1000 = PrivateBytes();
        std::printf("private_after_10_kb %zu\n", after10 / 1024);
        std::printf("private_after_1000_kb %zu\n", after1000 / 1024);
    }
    ::OleUninitialize();
    return 0;
}
