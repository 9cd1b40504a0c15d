#pragma once

#include "platform/LogStorage.h"

namespace tal::win32 {

class Win32LogStorage : public platform::LogStorage {
public:
    std::string programFolder() override;
    std::string environmentVariable(const std::string& name) override;
    bool createDirectory(const std::string& path) override;
    std::unique_ptr<platform::AppendFile> openForAppend(const std::string& path) override;
};

}  // namespace tal::win32
