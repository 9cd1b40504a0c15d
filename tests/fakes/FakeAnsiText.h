#pragma once

#include <string>

#include "platform/AnsiText.h"

namespace tal::fakes {

// Marks the text it converted, so that a test sees that a conversion took place and of what.
class FakeAnsiText : public platform::AnsiText {
public:
    std::string toUtf8(const std::string& ansi) override { return "utf8(" + ansi + ")"; }
};

// Reads the text as Latin-1: ASCII (addresses, patterns) stays as it is, and any other byte shows
// that it was converted.
class Latin1AnsiText : public platform::AnsiText {
public:
    std::string toUtf8(const std::string& ansi) override {
        std::string utf8;
        for (const char c : ansi) {
            const auto byte = static_cast<unsigned char>(c);
            utf8 += byte < 0x80 ? std::string(1, c)
                                : std::string{static_cast<char>(0xC0 | byte >> 6),
                                              static_cast<char>(0x80 | (byte & 0x3F))};
        }
        return utf8;
    }
};

}  // namespace tal::fakes
