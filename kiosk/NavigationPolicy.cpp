#include "kiosk/NavigationPolicy.h"

#include <algorithm>

#include "common/Flags.h"

namespace tal {

namespace {

bool IsWeb(std::string_view scheme) {
    return scheme == "http" || scheme == "https";
}

// Letters, digits and hyphens in dot-separated labels of at most 63 characters.
bool IsHostName(std::string_view host) {
    if (host.empty() || host.size() > 253) {
        return false;
    }
    std::size_t label = 0;
    for (const char c : host) {
        if (c == '.') {
            if (label == 0) {
                return false;
            }
            label = 0;
            continue;
        }
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (!allowed || ++label > 63) {
            return false;
        }
    }
    return label > 0;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
        while (at < text.size() && blank(text[at])) {
            ++at;
        }
        std::size_t end = at;
        while (end < text.size() && !blank(text[end])) {
            ++end;
        }
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end;
    }
    return words;
}

bool SameHostAndPort(const WebAddress& a, const WebAddress& b) {
    return a.scheme == b.scheme && a.host == b.host && a.port == b.port;
}

}  // namespace

NavigationPolicy::NavigationPolicy(std::string_view startPage, std::string_view allowedSites)
    : startPageText_(LowerCase(startPage)), startPage_(ParseWebAddress(startPage)) {
    for (const std::string_view word : Words(allowedSites)) {
        if (word.find("://") != std::string_view::npos) {
            const std::optional<WebAddress> prefix = ParseWebAddress(word);
            if (prefix && IsWeb(prefix->scheme) && IsHostName(prefix->host)) {
                WebAddress stored = *prefix;
                stored.path = LowerCase(stored.path);
                prefixes_.push_back(std::move(stored));
            }
            continue;
        }
        const std::string lower = LowerCase(word);
        const bool withSubdomains = lower.starts_with("*.");
        const std::string host = withSubdomains ? lower.substr(2) : lower;
        if (IsHostName(host)) {
            hosts_.push_back({host, withSubdomains});
        }
    }
}

bool NavigationPolicy::allows(std::string_view text) const {
    const std::optional<WebAddress> address = ParseWebAddress(text);
    if (!address) {
        return LowerCase(text) == startPageText_;
    }
    if (isStartPage(text, *address)) {
        return true;
    }
    if (address->scheme == "about" || address->scheme == "res") {
        return true;
    }
    if (address->scheme == "file") {
        return isInStartFolder(*address);
    }
    return IsWeb(address->scheme) && isAllowedSite(*address);
}

bool NavigationPolicy::isStartPage(std::string_view text, const WebAddress& address) const {
    if (LowerCase(text) == startPageText_) {
        return true;
    }
    return startPage_ && SameHostAndPort(address, *startPage_) &&
           LowerCase(address.path) == LowerCase(startPage_->path) &&
           address.query == startPage_->query;
}

bool NavigationPolicy::isInStartFolder(const WebAddress& address) const {
    if (!startPage_ || startPage_->scheme != "file" || address.host != startPage_->host) {
        return false;
    }
    const std::string& start = startPage_->path;
    const std::string folder = LowerCase(start.substr(0, start.rfind('/') + 1));
    return LowerCase(address.path).starts_with(folder);
}

bool NavigationPolicy::isAllowedSite(const WebAddress& address) const {
    if (prefixes_.empty() && hosts_.empty()) {
        return true;
    }
    const std::string path = LowerCase(address.path);
    const bool prefixed = std::any_of(prefixes_.begin(), prefixes_.end(), [&](const auto& prefix) {
        return SameHostAndPort(address, prefix) && path.starts_with(prefix.path);
    });
    if (prefixed) {
        return true;
    }
    return std::any_of(hosts_.begin(), hosts_.end(), [&](const HostPattern& pattern) {
        if (address.host == pattern.host) {
            return true;
        }
        return pattern.withSubdomains && address.host.size() > pattern.host.size() &&
               address.host.ends_with("." + pattern.host);
    });
}

}  // namespace tal
