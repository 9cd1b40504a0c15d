#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Calendar.h"

namespace tal {

// One `key=value` detail of an event. Text is UTF-8.
struct LogField {
    LogField(std::string_view key, std::string_view value) : key(key), value(value) {}
    LogField(std::string_view key, const char* value) : key(key), value(value) {}
    template <std::integral Number>
    requires(!std::same_as<Number, bool> && !std::same_as<Number, char>)
        LogField(std::string_view key, Number value)
        : key(key), value(std::to_string(value)) {}

    std::string_view key;
    std::string value;
};

// "2026-12-07T14:03:22+09:00": the local time with its offset from UTC.
std::string FormatLogTime(const platform::LocalDateTime& time);

// A value as the log writes it: as it is when it holds no blank, double quote, control character
// or invalid UTF-8 and is not empty; otherwise in double quotes, with \" \\ \n \r \t and \xHH
// for the other control characters and invalid bytes.
std::string LogValue(std::string_view value);

// Names of programs, events and keys: letters, digits, "-", "_" and "." as given, anything else
// as "_".
std::string LogName(std::string_view name);

// One whole line, CR LF included: time, program, event, the fields, and `dropped=N` when earlier
// lines were lost.
std::string FormatLogLine(const platform::LocalDateTime& time, std::string_view program,
                          std::string_view event, std::span<const LogField> fields,
                          std::uint64_t dropped);

}  // namespace tal
