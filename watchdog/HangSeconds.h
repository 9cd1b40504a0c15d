#pragma once

#include <cstdint>
#include <string_view>

#include "common/Settings.h"

namespace tal::watchdog {

inline constexpr std::uint32_t defaultHangSeconds = DefaultSeconds(settings::HangSeconds);
inline constexpr std::uint32_t shortestHangSeconds = settings::HangSeconds.range.minimum;
inline constexpr std::uint32_t longestHangSeconds = settings::HangSeconds.range.maximum;

// HangSeconds of TAL.ini: whole seconds, blanks around allowed. Fewer than the shortest read as
// the shortest; text that is no such number (a sign, a fraction, letters) or more than the longest
// reads as the default.
std::uint32_t HangSecondsFrom(std::string_view text);

}  // namespace tal::watchdog
