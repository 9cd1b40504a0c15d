#pragma once

#include <string>

namespace tal::platform {

// The private-profile ("INI") functions. Text is in the ANSI code page.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // GetPrivateProfileStringA: the value whole, however long, or `defaultValue` when the file,
    // the section or the key is missing. A key that is present with an empty value gives the
    // empty text.
    virtual std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                const std::string& path) = 0;

    // WritePrivateProfileStringA: true when the system reports success.
    virtual bool writePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& path) = 0;
};

}  // namespace tal::platform
