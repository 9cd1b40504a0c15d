#include "win32/Win32InternetSession.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <wininet.h>

#include <cstdint>
#include <vector>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace {

// Not in every SDK's headers.
constexpr DWORD suppressBehaviorOption = 81;        // INTERNET_OPTION_SUPPRESS_BEHAVIOR
constexpr DWORD suppressCookiePersistBehavior = 3;  // INTERNET_SUPPRESS_COOKIE_PERSIST

using UniqueCacheFind = UniqueAny<HANDLE, &::FindCloseUrlCache>;

// One entry's information: the structure and the strings it points to, in one buffer that is
// grown when the call asks for more.
class EntryBuffer {
public:
    EntryBuffer() : bytes_(4096) {}

    INTERNET_CACHE_ENTRY_INFOA* info() {
        return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes_.data());
    }
    DWORD* size() {
        size_ = static_cast<DWORD>(bytes_.size() * sizeof(std::uint64_t));
        return &size_;
    }
    // After a call failed with ERROR_INSUFFICIENT_BUFFER: room for what it asked for.
    void grow() { bytes_.resize(size_ / sizeof(std::uint64_t) + 1); }

private:
    // 64-bit elements keep the structure aligned.
    std::vector<std::uint64_t> bytes_;
    DWORD size_ = 0;
};

}  // namespace

bool Win32InternetSession::endBrowserSession() {
    return ::InternetSetOptionA(nullptr, INTERNET_OPTION_END_BROWSER_SESSION, nullptr, 0) != FALSE;
}

bool Win32InternetSession::suppressCookiePersistence() {
    DWORD behavior = suppressCookiePersistBehavior;
    return ::InternetSetOptionA(nullptr, suppressBehaviorOption, &behavior, sizeof behavior) !=
           FALSE;
}

std::vector<std::string> Win32InternetSession::findUrlCacheEntries(
    const std::optional<std::string>& filter) {
    std::vector<std::string> names;
    EntryBuffer buffer;
    const char* pattern = filter ? filter->c_str() : nullptr;
    UniqueCacheFind find(::FindFirstUrlCacheEntryA(pattern, buffer.info(), buffer.size()));
    if (!find && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.grow();
        find.reset(::FindFirstUrlCacheEntryA(pattern, buffer.info(), buffer.size()));
    }
    if (!find) {
        return names;
    }
    for (;;) {
        if (buffer.info()->lpszSourceUrlName != nullptr) {
            names.emplace_back(buffer.info()->lpszSourceUrlName);
        }
        if (::FindNextUrlCacheEntryA(find.get(), buffer.info(), buffer.size())) {
            continue;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return names;
        }
        buffer.grow();
        if (!::FindNextUrlCacheEntryA(find.get(), buffer.info(), buffer.size())) {
            return names;
        }
    }
}

bool Win32InternetSession::deleteUrlCacheEntry(const std::string& name) {
    return ::DeleteUrlCacheEntryA(name.c_str()) != FALSE;
}

}  // namespace tal::win32
