// A fresh process's view of the browser's stores, for the suites that check what a reset forgot:
// whatever one process remembers in memory, a new one sees only what was kept. Arguments: a site
// and a cached address. Exit code: 1 when the site has a cookie, plus 2 when the address is in
// the URL cache; 64 on wrong arguments.
#include <windows.h>
// After <windows.h>, which it needs.
#include <wininet.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 64;
    }
    int found = 0;
    char cookie[4096] = {};
    DWORD size = sizeof cookie;
    if (::InternetGetCookieA(argv[1], nullptr, cookie, &size) && cookie[0] != '\0') {
        found |= 1;
    }
    DWORD infoSize = 0;
    if (::GetUrlCacheEntryInfoA(argv[2], nullptr, &infoSize) ||
        ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        found |= 2;
    }
    return found;
}
