#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tal::platform {

// The browser's session and URL cache (wininet). Entry names are in the ANSI code page.
class InternetSession {
public:
    virtual ~InternetSession() = default;

    // InternetSetOptionA(NULL, INTERNET_OPTION_END_BROWSER_SESSION): drops session cookies and
    // HTTP authentication of this process.
    virtual bool endBrowserSession() = 0;
    // InternetSetOptionA(NULL, INTERNET_OPTION_SUPPRESS_BEHAVIOR,
    // INTERNET_SUPPRESS_COOKIE_PERSIST).
    virtual bool suppressCookiePersistence() = 0;
    // FindFirstUrlCacheEntryA and FindNextUrlCacheEntryA with `filter` as the search pattern
    // (nullopt: every entry): the source names of the entries found.
    virtual std::vector<std::string> findUrlCacheEntries(
        const std::optional<std::string>& filter) = 0;
    // DeleteUrlCacheEntryA: false when the entry stays (in use, or already gone).
    virtual bool deleteUrlCacheEntry(const std::string& name) = 0;
};

}  // namespace tal::platform
