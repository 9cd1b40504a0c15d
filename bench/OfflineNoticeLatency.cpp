// Measures, in this process under the real system, how long the offline notice takes to be on the
// screen after the browser control's NavigateError: the kiosk's start page is a local port where
// nothing listens, and each round ends the outage and resets to it again. Prints "name value"
// lines.
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "kiosk/Kiosk.h"
#include "kiosk/ui/MainWindow.h"
#include "tests/support/LocalPort.h"
#include "tests/wine/KioskServices.h"

namespace {

using Clock = std::chrono::steady_clock;

// The notice is on the screen: visible, and painted (no part of it waits for WM_PAINT).
bool NoticeDrawn(HWND main) {
    HWND notice = ::FindWindowExW(main, nullptr, L"TAL.OfflineNotice", nullptr);
    return notice != nullptr && ::IsWindowVisible(notice) &&
           !::GetUpdateRect(notice, nullptr, FALSE);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const tal::test_support::WinsockSession winsock;
    const u_short port = winsock.started() ? tal::test_support::ClosedLocalPort() : 0;
    if (port == 0 || FAILED(::OleInitialize(nullptr))) {
        return 1;
    }
    std::vector<double> latencies;
    {
        tal::test_support::KioskServices services;
        services.folder.write(
            "TAL.ini", "[CONFIG]\r\nStartPage=http://127.0.0.1:" + std::to_string(port) + "/\r\n");
        tal::kiosk_ui::MainWindow window(::GetModuleHandleW(nullptr));
        tal::Kiosk kiosk(services.platform(), window);
        std::optional<Clock::time_point> failedAt;
        window.onPageFailed = [&](const std::string& address, std::uint32_t status) {
            failedAt = Clock::now();
            return kiosk.onNavigationFailed(address, status);
        };
        window.onTimer = [&] { kiosk.tick(); };
        kiosk.start();
        window.applyPageRules(kiosk.pageRules());
        window.show();
        for (int round = 0; round < rounds; ++round) {
            failedAt.reset();
            const auto deadline = Clock::now() + std::chrono::seconds(30);
            MSG message{};
            while (Clock::now() < deadline && !(failedAt && NoticeDrawn(window.handle()))) {
                if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                } else {
                    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
                }
            }
            if (!failedAt || !NoticeDrawn(window.handle())) {
                std::fprintf(stderr, "round %d: no notice within 30 s\n", round + 1);
                return 1;
            }
            latencies.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - *failedAt).count());
            std::fprintf(stderr, "round %d: %.1f ms\n", round + 1, latencies.back());
            // As if the server had answered; the reset's start page fails again.
            kiosk.onNavigationCompleted();
            kiosk.reset(tal::ResetTrigger::button);
        }
    }
    ::OleUninitialize();
    std::sort(latencies.begin(), latencies.end());
    std::printf("offline_notice_p50_ms %.1f\n", latencies[latencies.size() / 2]);
    std::printf("offline_notice_max_ms %.1f\n", latencies.back());
    return 0;
}
