#pragma once

#include <cstddef>
#include <string>

namespace tal::platform {

// The private-profile ("INI") functions. Text is in the ANSI code page.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // GetPrivateProfileStringA with a buffer of `bufferSize` characters: the characters that the
    // call copied (its returned count), without the terminating NUL.
    virtual std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                std::size_t bufferSize,
                                                const std::string& path) = 0;

    // WritePrivateProfileStringA: true when the system reports success.
    virtual bool writePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& path) = 0;
};

}  // namespace tal::platform
