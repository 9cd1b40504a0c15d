#pragma once

#include <windows.h>

#include "platform/LogStorage.h"

namespace tal::win32 {

// The log's lock is a mutex of the session, which the three programs share.
class Win32LogStorage : public platform::LogStorage {
public:
    static constexpr const wchar_t* lockName = L"Local\\TAL.log";

    std::string programFolder() override;
    std::string environmentVariable(const std::string& name) override;
    bool createDirectory(const std::string& path) override;
    std::unique_ptr<platform::LogMutex> createLock() override;
    std::unique_ptr<platform::AppendFile> openForAppend(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
};

}  // namespace tal::win32
