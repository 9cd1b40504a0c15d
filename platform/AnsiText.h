#pragma once

#include <string>

namespace tal::platform {

// Text of the system's ANSI code page (paths, settings) for places that take UTF-8 (message
// boxes).
class AnsiText {
public:
    virtual ~AnsiText() = default;

    virtual std::string toUtf8(const std::string& ansi) = 0;
};

}  // namespace tal::platform
