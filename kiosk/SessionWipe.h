#pragma once

#include <cstddef>
#include <stop_token>

#include "platform/InternetSession.h"
#include "platform/Registry.h"
#include "platform/UserFolders.h"

namespace tal {

// Where a visit leaves its traces.
struct SessionStores {
    platform::InternetSession& internet;
    platform::UserFolders& folders;
    platform::Registry& registry;
};

struct WipeResult {
    // URL cache entries, web storage files and form stores.
    std::size_t deleted = 0;
    // What stays because it is in use or refused: counted, never fatal.
    std::size_t left = 0;
};

// Forgets the visitor's browsing: ends the browser session (session cookies, HTTP
// authentication); deletes every URL cache entry (pages, cookies, history), the pages' web
// storage and IndexedDB, and the control's form entries and saved passwords. Once `stop` asks,
// it ends before the next cache entry; what is left goes at the next start with ClearSession.
WipeResult WipeSession(const SessionStores& stores, std::stop_token stop = {});

}  // namespace tal
