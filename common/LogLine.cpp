#include "common/LogLine.h"

#include <cstdio>
#include <cstdlib>

namespace tal {

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 for a byte that starts none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        // No overlong forms, no surrogates.
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty()) {
        return true;
    }
    for (std::size_t at = 0; at < value.size();) {
        const auto c = static_cast<unsigned char>(value[at]);
        if (c <= 0x20 || c == 0x7F || c == '"') {
            return true;
        }
        const std::size_t length = Utf8SequenceLength(value, at);
        if (length == 0) {
            return true;
        }
        at += length;
    }
    return false;
}

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

void AppendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string FormatLogTime(const platform::LocalDateTime& time) {
    char text[40];
    const int offset = std::abs(time.utcOffsetMinutes);
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c", time.year, time.month,
                  time.day, time.hour, time.minute, time.second,
                  time.utcOffsetMinutes < 0 ? '-' : '+');
    std::string out(text);
    AppendTwoDigits(out, offset / 60);
    out += ':';
    AppendTwoDigits(out, offset % 60);
    return out;
}

std::string LogValue(std::string_view value) {
    if (!NeedsQuotes(value)) {
        return std::string(value);
    }
    std::string out = "\"";
    for (std::size_t at = 0; at < value.size();) {
        const auto c = static_cast<unsigned char>(value[at]);
        const std::size_t length = Utf8SequenceLength(value, at);
        if (length > 1) {
            out.append(value.substr(at, length));
            at += length;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    AppendHexByte(out, c);
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++at;
    }
    out += '"';
    return out;
}

std::string LogName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (!IsNameCharacter(c)) {
            c = '_';
        }
    }
    return out.empty() ? "_" : out;
}

std::string FormatLogLine(const platform::LocalDateTime& time, std::string_view program,
                          std::string_view event, std::span<const LogField> fields,
                          std::uint64_t dropped) {
    std::string line = FormatLogTime(time);
    line += ' ';
    line += LogName(program);
    line += ' ';
    line += LogName(event);
    for (const LogField& field : fields) {
        line += ' ';
        line += LogName(field.key);
        line += '=';
        line += LogValue(field.value);
    }
    if (dropped > 0) {
        line += " dropped=" + std::to_string(dropped);
    }
    line += "\r\n";
    return line;
}

}  // namespace tal
