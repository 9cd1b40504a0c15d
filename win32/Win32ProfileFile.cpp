#include "win32/Win32ProfileFile.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace tal::win32 {

std::string Win32ProfileFile::getPrivateProfileString(const std::string& section,
                                                      const std::string& key,
                                                      const std::string& defaultValue,
                                                      std::size_t bufferSize,
                                                      const std::string& path) {
    const DWORD size =
        static_cast<DWORD>(std::min<std::size_t>(bufferSize, std::numeric_limits<DWORD>::max()));
    std::vector<char> buffer(std::max<DWORD>(size, 1), '\0');
    const DWORD copied = ::GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
    return std::string(buffer.data(), std::min<std::size_t>(copied, buffer.size()));
}

bool Win32ProfileFile::writePrivateProfileString(const std::string& section, const std::string& key,
                                                 const std::string& value,
                                                 const std::string& path) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        path.c_str()) != FALSE;
}

}  // namespace tal::win32
