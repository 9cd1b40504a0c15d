#include "common/WebAddress.h"

#include <algorithm>
#include <vector>

#include "common/Flags.h"

namespace tal {

namespace {

constexpr std::size_t longestHost = 253;

bool IsSchemeCharacter(char c, bool first) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return letter || (!first && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Schemes whose addresses always have a host part, however many slashes follow the colon.
bool IsHierarchical(std::string_view scheme) {
    return scheme == "http" || scheme == "https" || scheme == "file" || scheme == "ftp";
}

int DefaultPort(std::string_view scheme) {
    if (scheme == "http") {
        return 80;
    }
    if (scheme == "https") {
        return 443;
    }
    if (scheme == "ftp") {
        return 21;
    }
    return 0;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (c | 0x20) - 'a' + 10;
}

// A name, or an IPv6 literal in brackets.
bool IsHost(std::string_view host) {
    if (host.size() > longestHost) {
        return false;
    }
    if (host.starts_with('[')) {
        return host.size() > 2 && host.ends_with(']') &&
               std::all_of(host.begin() + 1, host.end() - 1,
                           [](char c) { return IsHexDigit(c) || c == ':' || c == '.'; });
    }
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
    });
}

std::string_view Trimmed(std::string_view text) {
    const auto outside = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && outside(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && outside(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// "%2e%2E%2f" -> "./"; a "%" without two hex digits stays as it is.
std::string Decoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 2 < text.size() && IsHexDigit(text[at + 1]) &&
            IsHexDigit(text[at + 2])) {
            decoded += static_cast<char>(HexValue(text[at + 1]) * 16 + HexValue(text[at + 2]));
            at += 2;
        } else {
            decoded += text[at];
        }
    }
    return decoded;
}

// Windows drops the dots and blanks at the end of a name, so "..." or ". ." may name the folder
// above or this one.
bool IsDotsAndBlanks(std::string_view segment) {
    return !segment.empty() && segment != "." && segment != ".." &&
           std::all_of(segment.begin(), segment.end(), [](char c) { return c == '.' || c == ' '; });
}

// "/a/./b/../c" -> "/a/c"; a ".." above the root stays at the root.
std::optional<std::string> WithoutDotSegments(std::string_view path) {
    std::vector<std::string_view> kept;
    std::size_t start = 1;  // past the leading "/"
    for (;;) {
        const std::size_t end = path.find('/', start);
        const std::string_view segment =
            path.substr(start, end == std::string_view::npos ? end : end - start);
        const bool last = end == std::string_view::npos;
        if (IsDotsAndBlanks(segment)) {
            return std::nullopt;
        }
        if (segment == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
        }
        if (segment == "." || segment == "..") {
            if (last) {
                kept.emplace_back();
            }
        } else {
            kept.push_back(segment);
        }
        if (last) {
            break;
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string_view segment : kept) {
        result += '/';
        result += segment;
    }
    return result.empty() ? "/" : result;
}

// A drive path ("C:\dir\file", "C:/dir") or a share ("\\server\share") as a file address.
std::optional<std::string> FilePathAsAddress(std::string_view text) {
    const bool drive = text.size() >= 3 && IsSchemeCharacter(text[0], true) && text[1] == ':' &&
                       (text[2] == '\\' || text[2] == '/');
    if (drive) {
        return "file:///" + std::string(text);
    }
    if (text.starts_with("\\\\")) {
        return "file:" + std::string(text);
    }
    return std::nullopt;
}

}  // namespace

std::optional<WebAddress> ParseWebAddress(std::string_view text) {
    text = Trimmed(text);
    if (std::any_of(text.begin(), text.end(), IsControl)) {
        return std::nullopt;
    }
    const std::optional<std::string> fileAddress = FilePathAsAddress(text);
    std::string whole(fileAddress ? *fileAddress : std::string(text));

    std::size_t colon = 0;
    while (colon < whole.size() && IsSchemeCharacter(whole[colon], colon == 0)) {
        ++colon;
    }
    if (colon == 0 || colon >= whole.size() || whole[colon] != ':') {
        return std::nullopt;
    }
    WebAddress address;
    address.scheme = LowerCase(std::string_view(whole).substr(0, colon));
    address.port = DefaultPort(address.scheme);
    std::string rest = whole.substr(colon + 1);

    const bool hierarchical = IsHierarchical(address.scheme);
    if (hierarchical) {
        std::replace(rest.begin(), rest.end(), '\\', '/');
    }
    std::size_t at = 0;
    const bool hasAuthority = hierarchical || rest.starts_with("//");
    if (hasAuthority) {
        while (at < rest.size() && rest[at] == '/') {
            ++at;
        }
        // A file address with a drive and no host ("file:///C:/") has an empty host.
        const bool driveFirst = address.scheme == "file" && rest.size() >= at + 2 &&
                                IsSchemeCharacter(rest[at], true) && rest[at + 1] == ':';
        const std::size_t authorityEnd = driveFirst ? at : rest.find_first_of("/?#", at);
        std::string authority = rest.substr(
            at, authorityEnd == std::string::npos ? std::string::npos : authorityEnd - at);
        at = authorityEnd == std::string::npos ? rest.size() : authorityEnd;
        // The path keeps a leading "/": the last of the slashes, or one put in ("file:C:/").
        if (driveFirst && at == 0) {
            rest.insert(0, 1, '/');
        } else if (driveFirst) {
            --at;
        }
        const std::size_t userEnd = authority.rfind('@');
        if (userEnd != std::string::npos) {
            address.userInfo = authority.substr(0, userEnd);
            authority.erase(0, userEnd + 1);
        }
        const std::size_t portStart = authority.rfind(':');
        const bool bracketed = authority.starts_with('[');
        if (portStart != std::string::npos && (!bracketed || authority.find(']') < portStart)) {
            const std::string port = authority.substr(portStart + 1);
            authority.erase(portStart);
            if (!port.empty()) {
                if (port.size() > 5 || !std::all_of(port.begin(), port.end(),
                                                    [](char c) { return c >= '0' && c <= '9'; })) {
                    return std::nullopt;
                }
                address.port = std::stoi(port);
                if (address.port > 65535) {
                    return std::nullopt;
                }
            }
        }
        address.host = LowerCase(authority);
        if (address.host.ends_with('.')) {
            address.host.pop_back();
        }
        if (!IsHost(address.host) || (address.host.empty() && address.scheme != "file")) {
            return std::nullopt;
        }
    }
    const std::size_t queryStart = rest.find_first_of("?#", at);
    std::string path =
        rest.substr(at, queryStart == std::string::npos ? std::string::npos : queryStart - at);
    if (queryStart != std::string::npos && rest[queryStart] == '?') {
        const std::size_t fragment = rest.find('#', queryStart);
        address.query =
            rest.substr(queryStart + 1, fragment == std::string::npos ? std::string::npos
                                                                      : fragment - queryStart - 1);
    }
    if (!hasAuthority) {
        address.path = path;
        return address;
    }
    // The server and the file system decode escapes before they resolve "..": so does the check.
    std::string decoded = Decoded(path.empty() ? "/" : path);
    if (hierarchical) {
        std::replace(decoded.begin(), decoded.end(), '\\', '/');
    }
    if (std::any_of(decoded.begin(), decoded.end(), IsControl)) {
        return std::nullopt;
    }
    std::optional<std::string> resolved = WithoutDotSegments(decoded);
    if (!resolved) {
        return std::nullopt;
    }
    address.path = std::move(*resolved);
    return address;
}

}  // namespace tal
