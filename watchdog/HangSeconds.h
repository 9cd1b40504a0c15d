#pragma once

#include <cstdint>
#include <string_view>

namespace tal::watchdog {

inline constexpr std::uint32_t defaultHangSeconds = 30;
inline constexpr std::uint32_t shortestHangSeconds = 10;
// An hour: beyond it the value is taken for a typing error rather than a wish.
inline constexpr std::uint32_t longestHangSeconds = 3600;

// HangSeconds of TAL.ini: whole seconds, blanks around allowed. Fewer than 10 read as 10; text
// that is no such number (a sign, a fraction, letters) or more than an hour reads as 30.
std::uint32_t HangSecondsFrom(std::string_view text);

}  // namespace tal::watchdog
