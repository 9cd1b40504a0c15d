#pragma once

#include <cstdint>

namespace tal {

// Milliseconds from `then` to `now` on the wrapping 32-bit tick. A time that lies ahead of now
// (injected input can carry one) reads as now.
constexpr std::uint32_t MillisecondsSince(std::uint32_t now, std::uint32_t then) {
    const std::uint32_t elapsed = now - then;
    return elapsed > 0x80000000U ? 0 : elapsed;
}

}  // namespace tal
