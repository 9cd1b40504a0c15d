#include "watchdog/HangSeconds.h"

#include <algorithm>

namespace tal::watchdog {

std::uint32_t HangSecondsFrom(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return defaultHangSeconds;
    }
    std::uint32_t seconds = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return defaultHangSeconds;
        }
        seconds = seconds * 10 + static_cast<std::uint32_t>(c - '0');
        // Stops before the sum could overflow.
        if (seconds > longestHangSeconds) {
            return defaultHangSeconds;
        }
    }
    return std::max(seconds, shortestHangSeconds);
}

}  // namespace tal::watchdog
