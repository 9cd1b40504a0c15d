#pragma once

#include <string>
#include <string_view>

namespace tal {

inline constexpr std::string_view flagOn = "on";
inline constexpr std::string_view flagOff = "off";

// Lower-cases the ASCII letters only: the words that values are compared with are ASCII, and the
// outcome of such a comparison does not depend on how other characters are cased.
std::string LowerCase(std::string_view text);

// The flag test of every on/off key: the value, lower-cased, equals `word` exactly. Any other
// value counts as the opposite of `word`.
bool FlagIs(std::string_view value, std::string_view word);

}  // namespace tal
