#include "win32/Win32ProfileFile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tal::win32 {

namespace {

// The buffer a read starts with, 99 characters and the terminator: most values fit.
constexpr DWORD firstBufferSize = 100;
// A value cannot be longer than its file; past this the read stops growing its buffer.
constexpr DWORD largestBufferSize = DWORD{1} << 26;

}  // namespace

std::string Win32ProfileFile::getPrivateProfileString(const std::string& section,
                                                      const std::string& key,
                                                      const std::string& defaultValue,
                                                      const std::string& path) {
    // A value that did not fit comes back cut to size - 1 characters, or to size - 2 when the
    // last one was half of a double-byte character; then the read is repeated in a larger buffer.
    for (DWORD size = firstBufferSize;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        const DWORD copied = ::GetPrivateProfileStringA(
            section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
        if (copied + 2 < size || size >= largestBufferSize) {
            return std::string(buffer.data(), std::min<DWORD>(copied, size));
        }
    }
}

bool Win32ProfileFile::writePrivateProfileString(const std::string& section, const std::string& key,
                                                 const std::string& value,
                                                 const std::string& path) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        path.c_str()) != FALSE;
}

}  // namespace tal::win32
