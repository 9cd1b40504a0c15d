#include "kiosk/SessionWipe.h"

#include <array>
#include <optional>
#include <set>
#include <string>

namespace tal {

WipeResult WipeSession(platform::InternetSession& session) {
    session.endBrowserSession();
    // Cookies and history are separate containers on some systems and part of the unfiltered
    // listing on others: each is asked for, and an entry is tried once.
    const std::array<std::optional<std::string>, 3> filters{std::nullopt, "cookie:", "visited:"};
    std::set<std::string> tried;
    WipeResult result;
    for (const auto& filter : filters) {
        for (const std::string& name : session.findUrlCacheEntries(filter)) {
            if (!tried.insert(name).second) {
                continue;
            }
            if (session.deleteUrlCacheEntry(name)) {
                ++result.deleted;
            } else {
                ++result.left;
            }
        }
    }
    return result;
}

}  // namespace tal
