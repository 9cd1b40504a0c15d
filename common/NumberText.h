#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tal {

// The leading decimal number of `text`, independent of the locale: leading blanks skipped, an
// optional sign, digits with at most one "." as decimal point, an optional exponent. Reading stops
// at the first character that does not fit; text that does not start with a number gives 0.
// A number too large for a double gives an infinity of its sign.
double LeadingNumber(std::string_view text);

// The settings tool's numeric test: the whole text is one decimal number, with blanks around it,
// an optional sign, digits and at most one decimal point with a fraction. Gives the number, or
// nothing when the text is not numeric.
std::optional<double> NumericValue(std::string_view text);

// A stored window position in twips: the whole text (blanks around it allowed) read as a decimal
// number with "." as decimal point and an optional exponent. Text that is not such a number,
// the empty text included, is 0; a number beyond single precision is clamped to its largest value.
float PositionValue(std::string_view text);

// At least two digits, rounded to a whole number with halves away from zero: 7 -> "07",
// 7.5 -> "08", 123 -> "123", -5 -> "-05".
std::string FormatTwoDigits(double value);

// A number of seconds as the settings tool writes it: whole milliseconds at most, since that is
// what the kiosk counts in, with "." as decimal point, no sign, no needless zeros and no blanks:
// 90 -> "90", 1.5 -> "1.5", 0.0004 -> "0". For a number within a key's range; a negative one is
// written as 0.
std::string SecondsText(double seconds);

// A status or error code as the system's documents write it: 0x800C0008.
std::string StatusText(std::uint32_t status);

// A window position in twips as text: at most 7 significant digits, "." as decimal point
// whatever the locale, "-" for a negative value, no blanks: 7020 -> "7020", -150 -> "-150".
std::string PositionText(float twips);

}  // namespace tal
