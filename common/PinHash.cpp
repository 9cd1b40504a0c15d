#include "common/PinHash.h"

#include <algorithm>

namespace tal {

namespace {

constexpr std::string_view prefix = "pbkdf2-sha256$";
constexpr char hexDigits[] = "0123456789abcdef";

std::optional<std::vector<std::uint8_t>> FromHex(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    };
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t at = 0; at < text.size(); at += 2) {
        const int high = nibble(text[at]);
        const int low = nibble(text[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::optional<std::uint32_t> Iterations(std::string_view text) {
    // Ten digits at most: anything longer is beyond the range anyway and must not overflow.
    if (text.empty() || text.size() > 10 || text.front() == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint64_t count = 0;
    for (const char digit : text) {
        count = count * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    if (count < PinHash::fewestIterations || count > PinHash::mostIterations) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(count);
}

// The next field up to "$", taken off the front of `rest`; the last field takes what is left.
std::string_view NextField(std::string_view& rest, bool last) {
    const std::size_t end = last ? rest.size() : rest.find('$');
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + (last ? 0 : 1));
    return field;
}

}  // namespace

ParsedPinHash ParsePinHash(std::string_view text) {
    if (!text.starts_with(prefix)) {
        return {std::nullopt, PinHashFault::prefix};
    }
    std::string_view rest = text.substr(prefix.size());
    PinHash pin;
    const std::optional<std::uint32_t> iterations = Iterations(NextField(rest, false));
    if (!iterations) {
        return {std::nullopt, PinHashFault::iterations};
    }
    pin.iterationCount = *iterations;
    std::optional<std::vector<std::uint8_t>> salt = FromHex(NextField(rest, false));
    if (!salt || salt->size() < PinHash::saltBytes || salt->size() > PinHash::mostSaltBytes) {
        return {std::nullopt, PinHashFault::salt};
    }
    pin.salt = *std::move(salt);
    std::optional<std::vector<std::uint8_t>> hash = FromHex(NextField(rest, true));
    if (!hash || hash->size() != PinHash::hashBytes) {
        return {std::nullopt, PinHashFault::hash};
    }
    pin.hash = *std::move(hash);
    return {std::move(pin), PinHashFault::none};
}

std::string_view PinHashFaultName(PinHashFault fault) {
    switch (fault) {
        case PinHashFault::none:
            return "none";
        case PinHashFault::prefix:
            return "prefix";
        case PinHashFault::iterations:
            return "iterations";
        case PinHashFault::salt:
            return "salt";
        case PinHashFault::hash:
            return "hash";
    }
    return "unknown";
}

std::string FormatPinHash(const PinHash& pin) {
    std::string text(prefix);
    text += std::to_string(pin.iterationCount);
    for (const auto* bytes : {&pin.salt, &pin.hash}) {
        text += '$';
        for (const std::uint8_t byte : *bytes) {
            text += hexDigits[byte >> 4];
            text += hexDigits[byte & 0x0F];
        }
    }
    return text;
}

bool IsWellFormedPin(std::string_view digits) {
    return digits.size() >= 4 && digits.size() <= 12 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<PinHash> HashPin(std::string_view digits, platform::Cryptography& crypto) {
    std::optional<std::vector<std::uint8_t>> salt = crypto.randomBytes(PinHash::saltBytes);
    if (!salt) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> hash =
        crypto.pbkdf2Sha256(digits, *salt, PinHash::iterations, PinHash::hashBytes);
    if (!hash) {
        return std::nullopt;
    }
    return PinHash{PinHash::iterations, *std::move(salt), *std::move(hash)};
}

PinCheck CheckPin(std::string_view digits, const PinHash& stored, platform::Cryptography& crypto) {
    if (!IsWellFormedPin(digits)) {
        return PinCheck::differs;
    }
    const std::optional<std::vector<std::uint8_t>> derived =
        crypto.pbkdf2Sha256(digits, stored.salt, stored.iterationCount, stored.hash.size());
    if (!derived || derived->size() != stored.hash.size()) {
        return PinCheck::failed;
    }
    // Every byte is compared, so that the time taken tells nothing of where they differ.
    std::uint8_t difference = 0;
    for (std::size_t at = 0; at < derived->size(); ++at) {
        difference |= static_cast<std::uint8_t>((*derived)[at] ^ stored.hash[at]);
    }
    return difference == 0 ? PinCheck::matches : PinCheck::differs;
}

}  // namespace tal
