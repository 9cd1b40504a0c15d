#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <system_error>

namespace tal {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// The extent of the number that starts at `begin`: [sign] digits [. digits] [e [sign] digits].
// `end` is `begin` when no digit is there.
struct NumberExtent {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool hasExponent = false;
};

NumberExtent ScanNumber(std::string_view text, std::size_t begin, bool allowExponent) {
    NumberExtent extent{begin, begin, false};
    std::size_t at = begin;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t integerEnd = SkipDigits(text, at);
    std::size_t mantissaEnd = integerEnd;
    bool hasDigits = integerEnd > at;
    if (mantissaEnd < text.size() && text[mantissaEnd] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, mantissaEnd + 1);
        hasDigits = hasDigits || fractionEnd > mantissaEnd + 1;
        mantissaEnd = fractionEnd;
    }
    if (!hasDigits) {
        return extent;
    }
    extent.end = mantissaEnd;
    if (allowExponent && mantissaEnd < text.size() &&
        (text[mantissaEnd] == 'e' || text[mantissaEnd] == 'E')) {
        std::size_t exponent = mantissaEnd + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            extent.end = exponentEnd;
            extent.hasExponent = true;
        }
    }
    return extent;
}

// The power of ten of the first significant digit of an unsigned decimal number, plus one:
// positive for numbers of 1 and above. Decides whether a number out of a double's range is too
// large or too small.
long long DecimalExponent(std::string_view number) {
    const std::size_t point = number.find('.');
    const std::size_t exponentMark = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentMark);
    const std::string_view integerPart = mantissa.substr(0, std::min(point, mantissa.size()));
    long long magnitude = 0;
    const std::size_t firstSignificant = integerPart.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos) {
        magnitude = static_cast<long long>(integerPart.size() - firstSignificant);
    } else if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        magnitude =
            -static_cast<long long>(std::min(fraction.find_first_not_of('0'), fraction.size()));
    }
    if (exponentMark == std::string_view::npos) {
        return magnitude;
    }
    std::string_view exponent = number.substr(exponentMark + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        exponent.remove_prefix(1);
    }
    constexpr long long saturation = 1'000'000'000;
    long long exponentValue = 0;
    for (const char digit : exponent) {
        exponentValue = std::min(saturation, exponentValue * 10 + (digit - '0'));
    }
    return magnitude + (negative ? -exponentValue : exponentValue);
}

double ParseExtent(std::string_view text, const NumberExtent& extent) {
    std::string_view number = text.substr(extent.begin, extent.end - extent.begin);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), value,
                        extent.hasExponent ? std::chars_format::general : std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        value = DecimalExponent(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const NumberExtent extent = ScanNumber(text, SkipBlanks(text, 0), true);
    if (extent.end == extent.begin) {
        return 0.0;
    }
    return ParseExtent(text, extent);
}

std::optional<double> NumericValue(std::string_view text) {
    const NumberExtent extent = ScanNumber(text, SkipBlanks(text, 0), false);
    if (extent.end == extent.begin || SkipBlanks(text, extent.end) != text.size()) {
        return std::nullopt;
    }
    return ParseExtent(text, extent);
}

float PositionValue(std::string_view text) {
    const NumberExtent extent = ScanNumber(text, SkipBlanks(text, 0), true);
    if (extent.end == extent.begin || SkipBlanks(text, extent.end) != text.size()) {
        return 0.0F;
    }
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(ParseExtent(text, extent), -largest, largest));
}

std::string FormatTwoDigits(double value) {
    const double rounded = std::round(value);
    std::array<char, 400> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(),
                                            std::abs(rounded), std::chars_format::fixed, 0);
    std::string text(digits.data(), error == std::errc{} ? end : digits.data());
    if (text.size() < 2) {
        text.insert(0, 2 - text.size(), '0');
    }
    if (rounded < 0) {
        text.insert(0, 1, '-');
    }
    return text;
}

std::string SecondsText(double seconds) {
    const long long milliseconds = std::llround(std::max(seconds, 0.0) * 1000.0);
    std::string text = std::to_string(milliseconds / 1000);
    if (const long long fraction = milliseconds % 1000; fraction != 0) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    return text;
}

std::string PositionText(float twips) {
    if (twips == 0.0F) {
        return "0";  // also for -0, which would read "-0"
    }
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips,
                                            std::chars_format::general, 7);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string StatusText(std::uint32_t status) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
    return text;
}

}  // namespace tal
