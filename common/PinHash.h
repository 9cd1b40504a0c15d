#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Cryptography.h"

namespace tal {

// The operator's PIN as the settings keep it, never the PIN itself:
// "pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>", PBKDF2-HMAC-SHA256 over the PIN's digits.
struct PinHash {
    // What the settings tool writes: about a fifth of a second per check on the machine the
    // benchmarks name, slow enough for a guess at 10^4 or 10^12 PINs to cost that much each.
    static constexpr std::uint32_t iterations = 200'000;
    // Fewer is too cheap to guess at. The check holds the kiosk's window for its time: the most
    // stays within a few seconds, far from the watchdog's shortest time for a hung kiosk (10 s).
    static constexpr std::uint32_t fewestIterations = 100'000;
    static constexpr std::uint32_t mostIterations = 2'000'000;
    static constexpr std::size_t saltBytes = 16;
    static constexpr std::size_t mostSaltBytes = 64;
    static constexpr std::size_t hashBytes = 32;

    std::uint32_t iterationCount = 0;
    std::vector<std::uint8_t> salt;
    std::vector<std::uint8_t> hash;
};

// What is wrong with a stored PIN hash.
enum class PinHashFault { none, prefix, iterations, salt, hash };

struct ParsedPinHash {
    std::optional<PinHash> hash;
    PinHashFault fault = PinHashFault::none;
};

// Reads a stored hash; any deviation from the form above is a fault, named for the log.
ParsedPinHash ParsePinHash(std::string_view text);
std::string_view PinHashFaultName(PinHashFault fault);
std::string FormatPinHash(const PinHash& pin);

// A PIN is 4 to 12 of the digits 0 to 9.
bool IsWellFormedPin(std::string_view digits);

// A new hash of `digits` with a fresh random salt; nothing when the system's cryptography failed.
std::optional<PinHash> HashPin(std::string_view digits, platform::Cryptography& crypto);

enum class PinCheck { matches, differs, failed };

// Derives the hash of `digits` with the stored salt and count and compares it in constant time.
// Text that is no well-formed PIN differs without costing a derivation.
PinCheck CheckPin(std::string_view digits, const PinHash& stored, platform::Cryptography& crypto);

}  // namespace tal
