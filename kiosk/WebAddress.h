#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tal {

// An address split into the parts that decide where it leads. Letters of the scheme and the host
// are lower-cased; the path has its dot segments resolved.
struct WebAddress {
    std::string scheme;
    std::string userInfo;
    std::string host;
    // The port given, or the scheme's own (80, 443; 0 for schemes without one).
    int port = 0;
    // From the "/" after the host up to "?" or "#"; "/" when there is none.
    std::string path;
    std::string query;
};

// Reads an address the way the browser does: blanks and control characters around it dropped,
// "\" taken for "/" in web and file addresses, a drive path ("C:\...") taken as a file address.
// Nothing for text without a scheme, a web address without a host, a host with characters no
// host name has, or a port that is not a number up to 65535.
std::optional<WebAddress> ParseWebAddress(std::string_view text);

}  // namespace tal
