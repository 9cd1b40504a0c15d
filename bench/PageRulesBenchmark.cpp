// One navigation check against 1,000 allowed-site patterns, and one key stroke through the key
// lock: both run for every navigation and every key of the session.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "kiosk/KeyLock.h"
#include "kiosk/KeyStroke.h"
#include "kiosk/NavigationPolicy.h"
#include "platform/KeyboardState.h"

namespace {

// The system's key state as the hook would read it: the kiosk in front.
class InFront : public tal::platform::KeyboardState {
public:
    static constexpr std::uint32_t kiosk = 1;
    bool isKeyDown(std::uint32_t) override { return false; }
    std::uint32_t foregroundProcessId() override { return kiosk; }
};

// Half address prefixes, half hosts with their subdomains; the address matches none, so every
// pattern is looked at.
std::string ThousandPatterns() {
    std::string patterns;
    for (int i = 0; i < 1000; ++i) {
        patterns += i % 2 == 0 ? "https://site" + std::to_string(i) + ".example.jp/lib/ "
                               : "*.host" + std::to_string(i) + ".example.jp ";
    }
    return patterns;
}

void NavigationCheck(benchmark::State& state) {
    const tal::NavigationPolicy policy("https://start.example.jp/", ThousandPatterns());
    const std::string address = "https://www.elsewhere.example/some/page.html?q=1";
    for (auto _ : state) {
        benchmark::DoNotOptimize(policy.allows(address));
    }
    state.counters["patterns"] = static_cast<double>(policy.patternCount());
}
BENCHMARK(NavigationCheck);

// A typed letter going down and up, with the kiosk in front.
void KeyLockStroke(benchmark::State& state) {
    InFront keyboard;
    tal::KeyLock lock(keyboard, InFront::kiosk);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lock.swallow('A', true, false, 0));
        benchmark::DoNotOptimize(lock.swallow('A', false, false, 0));
    }
}
BENCHMARK(KeyLockStroke);

// Alt+Tab: Alt down, Tab down (swallowed), Tab up (swallowed), Alt up.
void KeyLockAltTab(benchmark::State& state) {
    namespace vk = tal::virtual_key;
    InFront keyboard;
    tal::KeyLock lock(keyboard, InFront::kiosk);
    for (auto _ : state) {
        // Without the system's Alt flag, as injected: the lock's own state of Alt counts.
        benchmark::DoNotOptimize(lock.swallow(vk::leftAlt, true, false, 0));
        benchmark::DoNotOptimize(lock.swallow(vk::tab, true, false, 0));
        benchmark::DoNotOptimize(lock.swallow(vk::tab, false, false, 0));
        benchmark::DoNotOptimize(lock.swallow(vk::leftAlt, false, false, 0));
    }
}
BENCHMARK(KeyLockAltTab);

}  // namespace
