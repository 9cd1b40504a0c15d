// One close pass of the window guard over 2,000 windows of an in-memory desktop.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "kiosk/WindowGuard.h"

namespace {

// A desktop of numbered windows whose reads cost what a table look-up costs, so that the figure
// is the guard's own work.
class NumberedDesktop : public tal::platform::Desktop {
public:
    struct Window {
        std::string title;
        std::string className;
        bool visible = true;
    };
    std::vector<Window> windows;
    std::size_t posted = 0;

    tal::platform::WindowHandle findWindow(const std::optional<std::string>&,
                                           const std::optional<std::string>&) override {
        return 0;
    }
    void showWindow(tal::platform::WindowHandle, int) override {}
    void setWindowPos(tal::platform::WindowHandle, tal::platform::WindowHandle, int, int, int, int,
                      std::uint32_t) override {}
    void enumWindows(const std::function<bool(tal::platform::WindowHandle)>& visit) override {
        for (std::size_t i = 0; i < windows.size(); ++i) {
            if (!visit(i + 1)) {
                return;
            }
        }
    }
    std::size_t getWindowTextLength(tal::platform::WindowHandle window) override {
        return windows[window - 1].title.size();
    }
    std::string getWindowText(tal::platform::WindowHandle window, std::size_t maxCount) override {
        return windows[window - 1].title.substr(0, maxCount - 1);
    }
    bool isWindowVisible(tal::platform::WindowHandle window) override {
        return windows[window - 1].visible;
    }
    std::string getClassName(tal::platform::WindowHandle window, std::size_t maxCount) override {
        return windows[window - 1].className.substr(0, maxCount - 1);
    }
    std::uint32_t windowProcessId(tal::platform::WindowHandle window) override {
        return static_cast<std::uint32_t>(window % 7);
    }
    void postMessage(tal::platform::WindowHandle, std::uint32_t) override { ++posted; }
};

// `foreign` windows open after the snapshot; the rest were there at start-up.
void ClosePass(benchmark::State& state) {
    const auto total = static_cast<std::size_t>(state.range(0));
    const auto foreign = static_cast<std::size_t>(state.range(1));
    NumberedDesktop desktop;
    const char* classes[] = {"IEFrame", "Notepad", "CabinetWClass", "SomeApplicationWindowClass"};
    for (std::size_t i = 0; i < total - foreign; ++i) {
        desktop.windows.push_back({"Window " + std::to_string(i), classes[i % 4], i % 3 != 0});
    }
    tal::WindowGuard guard(desktop, 999);
    guard.takeSnapshot();
    for (std::size_t i = 0; i < foreign; ++i) {
        desktop.windows.push_back({"Foreign " + std::to_string(i), classes[i % 4], true});
    }
    for (auto _ : state) {
        guard.closeForeignWindows();
    }
    benchmark::DoNotOptimize(desktop.posted);
}

BENCHMARK(ClosePass)->Args({2000, 0})->Args({2000, 1000})->Args({2000, 2000});

}  // namespace
