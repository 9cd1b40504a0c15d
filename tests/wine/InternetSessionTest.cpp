// Forgetting a visit against the system's own URL cache and cookie store.
#include <windows.h>
// After <windows.h>, which it needs.
#include <wininet.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/SessionWipe.h"
#include "win32/Win32InternetSession.h"

namespace tal {
namespace {

const std::string page =
    "http://wipe-" + std::to_string(::GetCurrentProcessId()) + ".example/page.html";
const std::string cookieSite =
    "http://wipe-" + std::to_string(::GetCurrentProcessId()) + ".example/";

bool Listed(win32::Win32InternetSession& session, const std::string& part) {
    const auto names = session.findUrlCacheEntries(std::nullopt);
    return std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return name.find(part) != std::string::npos;
    });
}

// A page in the cache, as the browser leaves one: a local file committed under its address.
bool PlantPage() {
    char file[MAX_PATH] = {};
    if (!::CreateUrlCacheEntryA(page.c_str(), 0, "html", file, 0)) {
        return false;
    }
    const HANDLE handle = ::CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    ::WriteFile(handle, "<p>visit</p>", 12, &written, nullptr);
    ::CloseHandle(handle);
    FILETIME never{};
    return ::CommitUrlCacheEntryA(page.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                  nullptr, nullptr) != FALSE;
}

TEST(InternetSessionTest, APlantedPageAndAPersistentCookieAreGoneAfterTheWipe) {
    win32::Win32InternetSession session;
    ASSERT_TRUE(PlantPage());
    ASSERT_TRUE(::InternetSetCookieA(cookieSite.c_str(), nullptr,
                                     "visitor=1; expires=Fri, 01-Jan-2100 00:00:00 GMT"));
    ASSERT_TRUE(Listed(session, page));
    const std::string host = cookieSite.substr(7, cookieSite.size() - 8);
    ASSERT_TRUE(Listed(session, "@" + host)) << "the persistent cookie is a cache entry";

    const WipeResult result = WipeSession(session);

    EXPECT_GE(result.deleted, 2U);
    EXPECT_FALSE(Listed(session, page));
    EXPECT_FALSE(Listed(session, "@" + host));
}

TEST(InternetSessionTest, TheSessionOptionsAreAccepted) {
    win32::Win32InternetSession session;
    EXPECT_TRUE(session.endBrowserSession());
    EXPECT_TRUE(session.suppressCookiePersistence());
    EXPECT_FALSE(session.deleteUrlCacheEntry("http://never-cached.example/"));
}

}  // namespace
}  // namespace tal
