#include "fuzz/InMemoryProfile.h"

#include <algorithm>

namespace tal::fuzz {

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The first `count` bytes of `text`, less a lead byte whose trail byte lies beyond them.
std::string CutWhole(const std::string& text, std::size_t count) {
    std::size_t at = 0;
    while (at < count) {
        at += IsLeadByte(text[at]) ? 2 : 1;
    }
    return text.substr(0, at > count ? count - 1 : count);
}

}  // namespace

InMemoryProfile::InMemoryProfile(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = Trim(line);
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        if (sections_.empty() || equals == std::string_view::npos || key.empty()) {
            continue;
        }
        sections_.back().keys.emplace_back(key, Trim(line.substr(equals + 1)));
    }
}

const InMemoryProfile::Section* InMemoryProfile::find(std::string_view section) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return SameName(s.name, section); });
    return found == sections_.end() ? nullptr : &*found;
}

std::optional<std::string> InMemoryProfile::value(std::string_view section,
                                                  std::string_view key) const {
    const Section* keys = find(section);
    if (keys == nullptr) {
        return std::nullopt;
    }
    for (const auto& [name, value] : keys->keys) {
        if (SameName(name, key)) {
            return value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> InMemoryProfile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* keys = find(section)) {
        for (const auto& entry : keys->keys) {
            names.push_back(entry.first);
        }
    }
    return names;
}

std::string InMemoryProfile::getPrivateProfileString(const std::string& section,
                                                     const std::string& key,
                                                     const std::string& defaultValue,
                                                     std::size_t bufferSize,
                                                     const std::string& /*path*/) {
    ++reads;
    largestBuffer = std::max(largestBuffer, bufferSize);
    const std::string text = value(section, key).value_or(defaultValue);
    if (bufferSize == 0) {
        return {};
    }
    return text.size() < bufferSize ? text : CutWhole(text, bufferSize - 1);
}

bool InMemoryProfile::writePrivateProfileString(const std::string& /*section*/,
                                                const std::string& /*key*/,
                                                const std::string& /*value*/,
                                                const std::string& /*path*/) {
    return false;
}

}  // namespace tal::fuzz
