#include "kiosk/WebAddress.h"

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

bool IsHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
           c == '[' || c == ']' || c == ':';
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

// "a/./b/../c" -> "a/c"; a ".." above the root stays at the root. Encoded dots count as dots.
std::string WithoutDotSegments(std::string_view path) {
    std::vector<std::string> kept;
    std::size_t start = 1;  // past the leading "/"
    for (;;) {
        const std::size_t end = path.find('/', start);
        const std::string segment(
            path.substr(start, end == std::string_view::npos ? end : end - start));
        const std::string lower = LowerCase(segment);
        const bool dot = lower == "." || lower == "%2e";
        const bool dotDot =
            lower == ".." || lower == ".%2e" || lower == "%2e." || lower == "%2e%2e";
        const bool last = end == std::string_view::npos;
        if (dotDot) {
            if (!kept.empty()) {
                kept.pop_back();
            }
            if (last) {
                kept.emplace_back();
            }
        } else if (dot) {
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
    for (const std::string& segment : kept) {
        result += "/" + segment;
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
        if (driveFirst) {
            --at;  // the path keeps its leading "/"
            rest[at] = '/';
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
        if (address.host.size() > longestHost ||
            !std::all_of(address.host.begin(), address.host.end(), IsHostCharacter)) {
            return std::nullopt;
        }
        if (address.host.empty() && address.scheme != "file") {
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
    if (hasAuthority) {
        address.path = WithoutDotSegments(path.empty() ? "/" : path);
    } else {
        address.path = path;
    }
    return address;
}

}  // namespace tal
