// One navigation check against 1,000 allowed-site patterns, and one key stroke through the key
// lock: both run for every navigation and every key of the session.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "kiosk/KeyLock.h"
#include "kiosk/KeyStroke.h"
#include "kiosk/NavigationPolicy.h"

namespace {

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
    tal::KeyLock lock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lock.swallow('A', true, false, true));
        benchmark::DoNotOptimize(lock.swallow('A', false, false, true));
    }
}
BENCHMARK(KeyLockStroke);

// Alt+Tab: Alt down, Tab down (swallowed), Tab up (swallowed), Alt up.
void KeyLockAltTab(benchmark::State& state) {
    namespace vk = tal::virtual_key;
    tal::KeyLock lock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lock.swallow(vk::leftAlt, true, true, true));
        benchmark::DoNotOptimize(lock.swallow(vk::tab, true, true, true));
        benchmark::DoNotOptimize(lock.swallow(vk::tab, false, true, true));
        benchmark::DoNotOptimize(lock.swallow(vk::leftAlt, false, false, true));
    }
}
BENCHMARK(KeyLockAltTab);

}  // namespace
