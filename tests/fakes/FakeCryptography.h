#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Cryptography.h"

namespace tal::fakes {

// A derivation that is no cryptography but as deterministic as one: the same secret, salt and
// count give the same bytes, any difference other bytes. Counts its derivations; either call may
// be made to fail.
class FakeCryptography : public platform::Cryptography {
public:
    int derivations = 0;
    bool fails = false;
    std::uint8_t nextRandom = 0x40;

    std::optional<std::vector<std::uint8_t>> pbkdf2Sha256(std::string_view secret,
                                                          std::span<const std::uint8_t> salt,
                                                          std::uint32_t iterations,
                                                          std::size_t length) override {
        ++derivations;
        if (fails) {
            return std::nullopt;
        }
        // FNV-1a over everything that goes in, then one byte per step of the same mix.
        std::uint64_t mix = 0xcbf29ce484222325ULL ^ iterations;
        const auto add = [&mix](std::uint8_t byte) { mix = (mix ^ byte) * 0x100000001b3ULL; };
        for (const char c : secret) {
            add(static_cast<std::uint8_t>(c));
        }
        add(0xFF);
        for (const std::uint8_t byte : salt) {
            add(byte);
        }
        std::vector<std::uint8_t> bytes(length);
        for (std::uint8_t& byte : bytes) {
            add(0);
            byte = static_cast<std::uint8_t>(mix >> 56);
        }
        return bytes;
    }
    std::optional<std::vector<std::uint8_t>> randomBytes(std::size_t count) override {
        if (fails) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes(count);
        for (std::uint8_t& byte : bytes) {
            byte = nextRandom++;
        }
        return bytes;
    }
    std::uint32_t lastStatus() override { return 0xC0000001; }
};

}  // namespace tal::fakes
