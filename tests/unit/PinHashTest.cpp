// The operator's PIN as the settings keep it: the stored form, and the check against it.
#include <string>

#include <gtest/gtest.h>

#include "common/PinHash.h"
#include "tests/fakes/FakeCryptography.h"

namespace tal {
namespace {

const std::string salt16(32, 'a');
const std::string hash32(64, '0');

struct StoredCase {
    const char* name;
    std::string text;
    PinHashFault fault;
};

class StoredPinTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredPinTest, IsReadOnlyInItsOneForm) {
    const ParsedPinHash parsed = ParsePinHash(GetParam().text);
    EXPECT_EQ(parsed.fault, GetParam().fault) << GetParam().name;
    EXPECT_EQ(parsed.hash.has_value(), GetParam().fault == PinHashFault::none) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredPinTest,
    testing::Values(
        StoredCase{"well formed", "pbkdf2-sha256$100000$" + salt16 + "$" + hash32,
                   PinHashFault::none},
        StoredCase{"upper-case hex, the most iterations",
                   "pbkdf2-sha256$2000000$" + std::string(32, 'F') + "$" + std::string(64, 'E'),
                   PinHashFault::none},
        StoredCase{"empty", "", PinHashFault::prefix},
        StoredCase{"another algorithm", "pbkdf2-sha1$100000$" + salt16 + "$" + hash32,
                   PinHashFault::prefix},
        StoredCase{"the PIN itself", "1234", PinHashFault::prefix},
        StoredCase{"0 iterations", "pbkdf2-sha256$0$" + salt16 + "$" + hash32,
                   PinHashFault::iterations},
        StoredCase{"10^12 iterations", "pbkdf2-sha256$1000000000000$" + salt16 + "$" + hash32,
                   PinHashFault::iterations},
        StoredCase{"one more than the most", "pbkdf2-sha256$2000001$" + salt16 + "$" + hash32,
                   PinHashFault::iterations},
        StoredCase{"too few iterations", "pbkdf2-sha256$99999$" + salt16 + "$" + hash32,
                   PinHashFault::iterations},
        StoredCase{"a sign", "pbkdf2-sha256$+100000$" + salt16 + "$" + hash32,
                   PinHashFault::iterations},
        StoredCase{"odd salt hex", "pbkdf2-sha256$100000$" + salt16 + "a$" + hash32,
                   PinHashFault::salt},
        StoredCase{"short salt", "pbkdf2-sha256$100000$" + std::string(30, 'a') + "$" + hash32,
                   PinHashFault::salt},
        StoredCase{"no salt field", "pbkdf2-sha256$100000$" + hash32, PinHashFault::hash},
        StoredCase{"odd hash hex", "pbkdf2-sha256$100000$" + salt16 + "$" + hash32 + "0",
                   PinHashFault::hash},
        StoredCase{"not hex", "pbkdf2-sha256$100000$" + salt16 + "$" + std::string(64, 'g'),
                   PinHashFault::hash},
        StoredCase{"a fifth field", "pbkdf2-sha256$100000$" + salt16 + "$" + hash32 + "$00",
                   PinHashFault::hash},
        StoredCase{"1 MB", "pbkdf2-sha256$100000$" + salt16 + "$" + std::string(1 << 20, '0'),
                   PinHashFault::hash}));

TEST(PinHashTest, AHashOfTheRightPinMatchesAndNothingElseDoes) {
    fakes::FakeCryptography crypto;
    const std::optional<PinHash> stored = HashPin("4711", crypto);
    ASSERT_TRUE(stored.has_value());
    // What is written reads back as it was.
    const ParsedPinHash reread = ParsePinHash(FormatPinHash(*stored));
    ASSERT_TRUE(reread.hash.has_value());
    EXPECT_EQ(reread.hash->iterationCount, PinHash::iterations);
    EXPECT_EQ(reread.hash->salt, stored->salt);
    EXPECT_EQ(reread.hash->salt.size(), PinHash::saltBytes);
    EXPECT_EQ(CheckPin("4711", *reread.hash, crypto), PinCheck::matches);
    const int derivations = crypto.derivations;
    for (const char* other : {"4712", "47110", "0000"}) {
        EXPECT_EQ(CheckPin(other, *reread.hash, crypto), PinCheck::differs) << other;
    }
    // Text that is no PIN costs no derivation.
    for (const std::string& noPin : {std::string("471"), std::string(13, '1'), std::string("47a1"),
                                     std::string(10'000, '7')}) {
        EXPECT_EQ(CheckPin(noPin, *reread.hash, crypto), PinCheck::differs) << noPin.size();
    }
    EXPECT_EQ(crypto.derivations, derivations + 3);
    crypto.fails = true;
    EXPECT_EQ(CheckPin("4711", *reread.hash, crypto), PinCheck::failed);
    EXPECT_FALSE(HashPin("4711", crypto).has_value());
}

}  // namespace
}  // namespace tal
