#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tal {

// An address split into the parts that decide where it leads, in UTF-8. Letters of the scheme and
// the host are lower-cased; the path of an address with a host is read as the server or the file
// system reads it: percent escapes decoded and dot segments resolved.
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
// Nothing for text without a scheme, with a control character inside (also an escaped one in the
// path), a web address without a host, a host with characters no host name has (any letter
// outside ASCII, as the code of an internationalised name is not decoded here), a port that is
// not a number up to 65535, or a path segment of dots and blanks that is neither "." nor "..",
// which Windows reads in ways of its own.
std::optional<WebAddress> ParseWebAddress(std::string_view text);

}  // namespace tal
