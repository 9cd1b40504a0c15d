#include "win32/Win32Cryptography.h"

#include <windows.h>

#include <bcrypt.h>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace {

void CloseAlgorithm(BCRYPT_ALG_HANDLE algorithm) {
    ::BCryptCloseAlgorithmProvider(algorithm, 0);
}
using UniqueAlgorithm = UniqueAny<BCRYPT_ALG_HANDLE, &CloseAlgorithm>;

}  // namespace

std::optional<std::vector<std::uint8_t>> Win32Cryptography::pbkdf2Sha256(
    std::string_view secret, std::span<const std::uint8_t> salt, std::uint32_t iterations,
    std::size_t length) {
    BCRYPT_ALG_HANDLE opened = nullptr;
    // The HMAC flag: PBKDF2 keys the hash with the secret.
    NTSTATUS status = ::BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr,
                                                    BCRYPT_ALG_HANDLE_HMAC_FLAG);
    const UniqueAlgorithm algorithm(opened);
    std::vector<std::uint8_t> derived(length);
    if (BCRYPT_SUCCESS(status)) {
        // The call takes writable pointers but reads through them only.
        status = ::BCryptDeriveKeyPBKDF2(
            algorithm.get(), reinterpret_cast<PUCHAR>(const_cast<char*>(secret.data())),
            static_cast<ULONG>(secret.size()), const_cast<PUCHAR>(salt.data()),
            static_cast<ULONG>(salt.size()), iterations, derived.data(),
            static_cast<ULONG>(derived.size()), 0);
    }
    if (!BCRYPT_SUCCESS(status)) {
        lastStatus_ = static_cast<std::uint32_t>(status);
        return std::nullopt;
    }
    return derived;
}

std::optional<std::vector<std::uint8_t>> Win32Cryptography::randomBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    const NTSTATUS status = ::BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(count),
                                              BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (!BCRYPT_SUCCESS(status)) {
        lastStatus_ = static_cast<std::uint32_t>(status);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tal::win32
