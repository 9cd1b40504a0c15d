#pragma once

#include <cstddef>

#include "platform/InternetSession.h"

namespace tal {

struct WipeResult {
    std::size_t deleted = 0;
    std::size_t left = 0;
};

// Forgets the visitor's browsing: ends the browser session (session cookies, HTTP
// authentication) and deletes every URL cache entry (pages, cookies, history).
WipeResult WipeSession(platform::InternetSession& session);

}  // namespace tal
