#pragma once

#include "platform/ChildProcess.h"

namespace tal::win32 {

class Win32ProcessStarter : public platform::ProcessStarter {
public:
    std::unique_ptr<platform::ChildProcess> createProcess(const std::string& executable,
                                                          const std::string& folder) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::win32
