#include "kiosk/SessionWipe.h"

#include <array>
#include <optional>
#include <set>
#include <string>

namespace tal {

namespace {

// localStorage and sessionStorage, and IndexedDB, of every site the control showed.
constexpr std::array<const char*, 2> webStorageFolders{"Microsoft\\Internet Explorer\\DOMStore",
                                                       "Microsoft\\Internet Explorer\\Indexed DB"};
// What the control offers to fill in again: form entries, and user names with passwords.
constexpr std::array<const char*, 2> formStoreKeys{
    "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1",
    "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2"};

void DeleteCacheEntries(platform::InternetSession& internet, const std::stop_token& stop,
                        WipeResult& result) {
    // Cookies and history are separate containers on some systems and part of the unfiltered
    // listing on others: each is asked for, and an entry is tried once.
    const std::array<std::optional<std::string>, 3> filters{std::nullopt, "cookie:", "visited:"};
    std::set<std::string> tried;
    for (const auto& filter : filters) {
        for (const std::string& name : internet.findUrlCacheEntries(filter)) {
            if (stop.stop_requested()) {
                return;
            }
            if (!tried.insert(name).second) {
                continue;
            }
            if (internet.deleteUrlCacheEntry(name)) {
                ++result.deleted;
            } else {
                ++result.left;
            }
        }
    }
}

}  // namespace

WipeResult WipeSession(const SessionStores& stores, std::stop_token stop) {
    stores.internet.endBrowserSession();
    WipeResult result;
    DeleteCacheEntries(stores.internet, stop, result);
    if (stop.stop_requested()) {
        return result;
    }
    for (const char* folder : webStorageFolders) {
        const platform::DeletedFiles files = stores.folders.deleteLocalAppDataContents(folder);
        result.deleted += files.deleted;
        result.left += files.left;
    }
    for (const char* key : formStoreKeys) {
        const long status = stores.registry.deleteKeyTree(key);
        if (status == platform::registry_status::success) {
            ++result.deleted;
        } else if (status != platform::registry_status::fileNotFound) {
            ++result.left;
        }
    }
    return result;
}

}  // namespace tal
