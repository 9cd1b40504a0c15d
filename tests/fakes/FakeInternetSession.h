#pragma once

#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/InternetSession.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// A URL cache as the system keeps it: content entries, cookies and history in one list, which a
// filter narrows by prefix. Cookies can be kept out of the unfiltered listing, as one system does.
class FakeInternetSession : public platform::InternetSession {
public:
    explicit FakeInternetSession(CallLog& log) : log_(log) {}

    std::vector<std::string> entries;
    // Entries that cannot be deleted.
    std::set<std::string> inUse;
    // Whether the "cookie:" filter finds the cookie entries ("Cookie:..."), or only the
    // unfiltered listing does.
    bool cookieFilterWorks = true;

    bool endBrowserSession() override {
        log_.add("EndBrowserSession");
        return true;
    }
    bool suppressCookiePersistence() override {
        log_.add("SuppressCookiePersistence");
        return true;
    }
    std::vector<std::string> findUrlCacheEntries(
        const std::optional<std::string>& filter) override {
        log_.add("FindUrlCacheEntries " + filter.value_or("(all)"));
        std::vector<std::string> found;
        for (const std::string& entry : entries) {
            if (!filter ||
                (Matches(entry, *filter) && (cookieFilterWorks || *filter != "cookie:"))) {
                found.push_back(entry);
            }
        }
        return found;
    }
    bool deleteUrlCacheEntry(const std::string& name) override {
        log_.add("DeleteUrlCacheEntry " + name);
        if (inUse.contains(name)) {
            return false;
        }
        return std::erase(entries, name) > 0;
    }

private:
    static bool Matches(const std::string& entry, const std::string& prefix) {
        if (entry.size() < prefix.size()) {
            return false;
        }
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(entry[i])) !=
                std::tolower(static_cast<unsigned char>(prefix[i]))) {
                return false;
            }
        }
        return true;
    }

    CallLog& log_;
};

}  // namespace tal::fakes
