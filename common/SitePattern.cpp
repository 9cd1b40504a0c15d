#include "common/SitePattern.h"

#include "common/Flags.h"

namespace tal {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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

}  // namespace

bool SitePattern::matches(const WebAddress& address, std::string_view lowerCasePath) const {
    if (prefix) {
        return address.scheme == prefix->scheme && address.host == prefix->host &&
               address.port == prefix->port && lowerCasePath.starts_with(prefix->path);
    }
    if (address.host == host) {
        return true;
    }
    return withSubdomains && address.host.size() > host.size() && address.host.ends_with(host) &&
           address.host[address.host.size() - host.size() - 1] == '.';
}

std::optional<SitePattern> ParseSitePattern(std::string_view word) {
    SitePattern pattern;
    if (word.find("://") != std::string_view::npos) {
        pattern.prefix = ParseWebAddress(word);
        if (!pattern.prefix ||
            (pattern.prefix->scheme != "http" && pattern.prefix->scheme != "https") ||
            !IsHostName(pattern.prefix->host)) {
            return std::nullopt;
        }
        pattern.prefix->path = LowerCase(pattern.prefix->path);
        return pattern;
    }
    pattern.host = LowerCase(word);
    pattern.withSubdomains = pattern.host.starts_with("*.");
    if (pattern.withSubdomains) {
        pattern.host.erase(0, 2);
    }
    if (!IsHostName(pattern.host)) {
        return std::nullopt;
    }
    return pattern;
}

std::vector<std::string_view> SitePatternWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end;
    }
    return words;
}

}  // namespace tal
