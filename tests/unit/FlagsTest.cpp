#include "common/Flags.h"

#include <gtest/gtest.h>

namespace tal {
namespace {

struct FlagCase {
    const char* value;
    const char* word;
    bool matches;
};

class FlagIsTest : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagIsTest, LowerCasesTheValueThenComparesExactly) {
    EXPECT_EQ(FlagIs(GetParam().value, GetParam().word), GetParam().matches)
        << "value \"" << GetParam().value << "\" word \"" << GetParam().word << "\"";
}

INSTANTIATE_TEST_SUITE_P(Words, FlagIsTest,
                         testing::Values(FlagCase{"off", "off", true}, FlagCase{"OFF", "off", true},
                                         FlagCase{"Off", "off", true}, FlagCase{"oFf", "off", true},
                                         FlagCase{"on", "on", true}, FlagCase{"ON", "on", true},
                                         FlagCase{"On", "on", true}, FlagCase{"", "off", false},
                                         FlagCase{"", "on", false}, FlagCase{"no", "off", false},
                                         FlagCase{" off", "off", false},
                                         FlagCase{"off ", "off", false},
                                         FlagCase{"of", "off", false},
                                         FlagCase{"offf", "off", false},
                                         FlagCase{"on", "off", false}, FlagCase{"off", "on", false},
                                         // Full-width letters are not the ASCII word.
                                         FlagCase{"\x82\x8f\x82\x8e", "on", false}));

TEST(LowerCaseTest, ChangesAsciiCapitalsOnly) {
    EXPECT_EQ(LowerCase("TaskBar OFF 123"), "taskbar off 123");
    // Bytes above 0x7F (double-byte text) stay as they are.
    EXPECT_EQ(LowerCase("\xC0\xE9Z"), "\xC0\xE9z");
}

}  // namespace
}  // namespace tal
