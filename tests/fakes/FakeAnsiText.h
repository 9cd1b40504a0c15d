#pragma once

#include <string>

#include "platform/AnsiText.h"

namespace tal::fakes {

// Marks the text it converted, so that a test sees that a conversion took place and of what.
class FakeAnsiText : public platform::AnsiText {
public:
    std::string toUtf8(const std::string& ansi) override { return "utf8(" + ansi + ")"; }
};

}  // namespace tal::fakes
