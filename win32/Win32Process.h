#pragma once

#include "platform/Process.h"

namespace tal::win32 {

class Win32Process : public platform::Process {
public:
    std::string applicationPath() override;
    std::string executableFileName() override;
    std::string environmentEntry(std::size_t index) override;
    std::uint32_t processId() override;
};

}  // namespace tal::win32
