#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tal::platform {

// The system's cryptography (bcrypt.dll, which Windows 7 has): what keeps the operator's PIN.
class Cryptography {
public:
    virtual ~Cryptography() = default;

    // BCryptDeriveKeyPBKDF2 with HMAC-SHA256: `length` bytes derived from `secret`; nothing when
    // the system refused (lastStatus() tells why).
    virtual std::optional<std::vector<std::uint8_t>> pbkdf2Sha256(
        std::string_view secret, std::span<const std::uint8_t> salt, std::uint32_t iterations,
        std::size_t length) = 0;
    // BCryptGenRandom from the system's preferred generator; nothing when it failed.
    virtual std::optional<std::vector<std::uint8_t>> randomBytes(std::size_t count) = 0;
    // The NTSTATUS of the call that failed last.
    virtual std::uint32_t lastStatus() = 0;
};

}  // namespace tal::platform
