// The system's PBKDF2 and random bytes behind the operator's PIN.
#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "win32/Win32Cryptography.h"

namespace tal {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16)));
    }
    return bytes;
}

TEST(CryptographyTest, DerivesPbkdf2HmacSha256AsPublished) {
    win32::Win32Cryptography crypto;
    // The published test vector for "passwd", "salt", one iteration, 64 bytes.
    const std::vector<std::uint8_t> salt{'s', 'a', 'l', 't'};
    EXPECT_EQ(crypto.pbkdf2Sha256("passwd", salt, 1, 64),
              Bytes("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                    "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"));
}

TEST(CryptographyTest, SaltsEachNewHashAfresh) {
    win32::Win32Cryptography crypto;
    const std::optional<PinHash> first = HashPin("1234", crypto);
    const std::optional<PinHash> second = HashPin("1234", crypto);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->salt, second->salt);
    EXPECT_NE(first->hash, second->hash);
}

}  // namespace
}  // namespace tal
