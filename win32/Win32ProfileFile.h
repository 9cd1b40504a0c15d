#pragma once

#include "platform/ProfileFile.h"

namespace tal::win32 {

class Win32ProfileFile : public platform::ProfileFile {
public:
    std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue,
                                        const std::string& path) override;
    bool writePrivateProfileString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& path) override;
};

}  // namespace tal::win32
