#pragma once

#include "platform/AnsiText.h"

namespace tal::win32 {

class Win32AnsiText : public platform::AnsiText {
public:
    std::string toUtf8(const std::string& ansi) override;
};

}  // namespace tal::win32
