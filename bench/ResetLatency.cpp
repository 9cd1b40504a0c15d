// Measures, under the real system, the time from a press of "はじめに戻る" on a running TAL.exe to
// the close request reaching a window opened since its start: 20 presses at random moments of the
// kiosk's one-second tick, without and with ClearSession. Prints "name value" lines.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/KioskDriver.h"

namespace {

using Clock = std::chrono::steady_clock;

// A titled window in a thread of its own, which notes when the kiosk's close or quit request
// arrives.
class ForeignWindow {
public:
    ForeignWindow() : thread_([this] { run(); }) {
        while (!ready_) {
            std::this_thread::yield();
        }
    }
    ~ForeignWindow() {
        if (thread_.joinable()) {
            ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
            thread_.join();
        }
    }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    // When the request came; waits up to 10 s for it.
    Clock::time_point waitForRequest() {
        thread_.join();
        return requested_;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            ::PostQuitMessage(0);
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    void run() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TalBenchForeign";
        ::RegisterClassW(&windowClass);
        HWND window =
            ::CreateWindowExW(0, L"TalBenchForeign", L"Foreign", WS_OVERLAPPEDWINDOW, 10, 10, 200,
                              100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        threadId_ = ::GetCurrentThreadId();
        ready_ = true;
        MSG message{};
        // A quit request ends GetMessage; a close request posts one.
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10000, nullptr);
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (message.message == WM_TIMER && message.wParam == timer) {
                break;
            }
            ::DispatchMessageW(&message);
        }
        requested_ = Clock::now();
        ::DestroyWindow(window);
    }

    std::atomic<bool> ready_{false};
    DWORD threadId_ = 0;
    Clock::time_point requested_;
    std::thread thread_;
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

bool Measure(const char* name, const char* clearSession, int presses) {
    const std::string settings = std::string(
                                     "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=on\r\n"
                                     "ClearSession=") +
                                 clearSession + "\r\n";
    tal::test_support::KioskDriver kiosk(&settings);
    HWND buttonWindow = kiosk.waitForReturnButton();
    if (buttonWindow == nullptr) {
        std::fprintf(stderr, "%s: no button window\n", name);
        return false;
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> moment(0, 999);
    std::vector<double> latencies;
    for (int press = 0; press < presses; ++press) {
        ForeignWindow foreign;
        ::Sleep(static_cast<DWORD>(moment(random)));
        const auto pressed = Clock::now();
        tal::test_support::PressReturnButton(buttonWindow);
        latencies.push_back(
            std::chrono::duration<double, std::milli>(foreign.waitForRequest() - pressed).count());
        std::fprintf(stderr, "%s press %d: %.1f ms\n", name, press + 1, latencies.back());
    }
    std::printf("%s_p50_ms %.1f\n", name, Percentile(latencies, 0.5));
    std::printf("%s_p95_ms %.1f\n", name, Percentile(latencies, 0.95));
    std::printf("%s_max_ms %.1f\n", name, *std::max_element(latencies.begin(), latencies.end()));
    kiosk.close();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    // Keeps the desktop process alive between the programs.
    const tal::test_support::DesktopKeeper keeper;
    const bool measured =
        Measure("reset_latency", "off", presses) && Measure("reset_latency_clear", "on", presses);
    return measured ? 0 : 1;
}
