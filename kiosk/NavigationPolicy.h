#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kiosk/WebAddress.h"

namespace tal {

// Which addresses the kiosk's own browser may go to: web pages (restricted to the allowed sites
// when there are any), the browser's own "about:" and "res:" pages, and files in the start page's
// folder when the start page is a file. The start page itself is always allowed.
class NavigationPolicy {
public:
    // `allowedSites`: blank-separated patterns, each an address prefix
    // ("https://city.example.jp/lib/") or a host with an optional leading "*." that takes its
    // subdomains in too ("*.library.example.jp"). Malformed patterns are left out.
    NavigationPolicy(std::string_view startPage, std::string_view allowedSites);

    bool allows(std::string_view address) const;
    // The patterns that were taken.
    std::size_t patternCount() const { return prefixes_.size() + hosts_.size(); }

private:
    struct HostPattern {
        std::string host;
        bool withSubdomains;
    };

    bool isStartPage(std::string_view text, const WebAddress& address) const;
    bool isInStartFolder(const WebAddress& address) const;
    bool isAllowedSite(const WebAddress& address) const;

    std::string startPageText_;
    std::optional<WebAddress> startPage_;
    std::vector<WebAddress> prefixes_;
    std::vector<HostPattern> hosts_;
};

}  // namespace tal
