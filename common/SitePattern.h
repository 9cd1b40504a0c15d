#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/WebAddress.h"

namespace tal {

// One entry of AllowedSites: an address prefix ("https://city.example.jp/lib/") or a host, with
// "*." in front for its subdomains too ("*.library.example.jp").
struct SitePattern {
    // Set for an address prefix, its path lower-cased.
    std::optional<WebAddress> prefix;
    // For a host.
    std::string host;
    bool withSubdomains = false;

    // `lowerCasePath`: the address's path lower-cased, once for all patterns.
    bool matches(const WebAddress& address, std::string_view lowerCasePath) const;
};

// Nothing for a word that is neither: a prefix needs "http://" or "https://" and a host name,
// a host name is letters, digits and hyphens in dot-separated labels.
std::optional<SitePattern> ParseSitePattern(std::string_view word);

// The blank-separated words of AllowedSites.
std::vector<std::string_view> SitePatternWords(std::string_view text);

}  // namespace tal
