#pragma once

#include "platform/Cryptography.h"

namespace tal::win32 {

class Win32Cryptography : public platform::Cryptography {
public:
    std::optional<std::vector<std::uint8_t>> pbkdf2Sha256(std::string_view secret,
                                                          std::span<const std::uint8_t> salt,
                                                          std::uint32_t iterations,
                                                          std::size_t length) override;
    std::optional<std::vector<std::uint8_t>> randomBytes(std::size_t count) override;
    std::uint32_t lastStatus() override { return lastStatus_; }

private:
    std::uint32_t lastStatus_ = 0;
};

}  // namespace tal::win32
