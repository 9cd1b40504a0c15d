#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/SitePattern.h"
#include "common/WebAddress.h"

namespace tal {

// Which addresses the kiosk's own browser may go to. Every frame: web pages, "about:blank", the
// control's own pages ("res://ieframe.dll/") and, when the start page is a file, the files in its
// folder. The page itself (the top frame): the same, with web pages restricted to the allowed
// sites when there are any. The start page itself is always allowed. Texts are UTF-8.
class NavigationPolicy {
public:
    // `allowedSites`: blank-separated patterns (see SitePattern). Malformed patterns are left out;
    // text with none that is well formed allows no web page but the start page.
    NavigationPolicy(std::string_view startPage, std::string_view allowedSites);

    // The page itself.
    bool allows(std::string_view address) const { return judge(address, true); }
    // A frame inside the page.
    bool allowsInFrame(std::string_view address) const { return judge(address, false); }

    // The patterns that were taken.
    std::size_t patternCount() const { return patterns_.size(); }
    // The words of the list that are no pattern.
    const std::vector<std::string>& malformedPatterns() const { return malformed_; }
    // A list was given and not one of its words is a pattern.
    bool onlyStartPage() const { return patterns_.empty() && !malformed_.empty(); }

private:
    bool judge(std::string_view text, bool topFrame) const;
    bool isStartPage(const WebAddress& address) const;
    bool isInStartFolder(const WebAddress& address) const;
    bool isAllowedSite(const WebAddress& address) const;

    std::string startPageText_;
    std::optional<WebAddress> startPage_;
    std::vector<SitePattern> patterns_;
    std::vector<std::string> malformed_;
};

}  // namespace tal
