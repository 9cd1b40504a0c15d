#include "kiosk/NavigationPolicy.h"

#include <algorithm>

#include "common/Flags.h"

namespace tal {

namespace {

// The host of the control's own pages (errors, a cancelled navigation).
constexpr std::string_view ownPagesHost = "ieframe.dll";

bool IsWeb(std::string_view scheme) {
    return scheme == "http" || scheme == "https";
}

// The start page as the control reports it once there: "www.example.jp" is
// "http://www.example.jp/". A "scheme" with a dot in it is a host followed by its port.
std::optional<WebAddress> StartPageAsReported(std::string_view text) {
    std::optional<WebAddress> address = ParseWebAddress(text);
    if (!address || address->scheme.find('.') != std::string::npos) {
        address = ParseWebAddress("http://" + std::string(text));
    }
    return address;
}

}  // namespace

NavigationPolicy::NavigationPolicy(std::string_view startPage, std::string_view allowedSites)
    : startPageText_(LowerCase(startPage)), startPage_(StartPageAsReported(startPage)) {
    for (const std::string_view word : SitePatternWords(allowedSites)) {
        if (std::optional<SitePattern> pattern = ParseSitePattern(word)) {
            patterns_.push_back(std::move(*pattern));
        } else {
            malformed_.emplace_back(word);
        }
    }
}

bool NavigationPolicy::judge(std::string_view text, bool topFrame) const {
    if (LowerCase(text) == startPageText_) {
        return true;
    }
    const std::optional<WebAddress> address = ParseWebAddress(text);
    if (!address) {
        return false;
    }
    if (isStartPage(*address)) {
        return true;
    }
    if (IsWeb(address->scheme)) {
        return !topFrame || isAllowedSite(*address);
    }
    if (address->scheme == "file") {
        return isInStartFolder(*address);
    }
    if (address->scheme == "about") {
        return LowerCase(address->path) == "blank";
    }
    if (address->scheme == "res") {
        return address->host == ownPagesHost && address->userInfo.empty() && address->port == 0;
    }
    return false;
}

bool NavigationPolicy::isStartPage(const WebAddress& address) const {
    return startPage_ && address.scheme == startPage_->scheme && address.host == startPage_->host &&
           address.port == startPage_->port &&
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
    if (patterns_.empty()) {
        return malformed_.empty();
    }
    const std::string path = LowerCase(address.path);
    return std::any_of(patterns_.begin(), patterns_.end(),
                       [&](const SitePattern& pattern) { return pattern.matches(address, path); });
}

}  // namespace tal
