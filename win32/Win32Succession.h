#pragma once

#include <cstdint>

#include "platform/Succession.h"

namespace tal::win32 {

class Win32Succession : public platform::Succession {
public:
    bool watchdogRuns() override;
    bool stopWatchdog() override;
    bool startCopy(std::uint32_t waitMilliseconds) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::win32
