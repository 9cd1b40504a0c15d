#include "watchdog/HangSeconds.h"

#include <string>

#include <gtest/gtest.h>

namespace tal::watchdog {
namespace {

struct HangCase {
    const char* text;
    std::uint32_t seconds;
};

class HangSecondsTest : public testing::TestWithParam<HangCase> {};

TEST_P(HangSecondsTest, WholeSecondsFromTenToAnHourElseTheDefault) {
    EXPECT_EQ(HangSecondsFrom(GetParam().text), GetParam().seconds)
        << "\"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, HangSecondsTest,
                         testing::Values(HangCase{"30", 30}, HangCase{"45", 45},
                                         HangCase{" 12\t", 12}, HangCase{"10", 10},
                                         HangCase{"9", 10}, HangCase{"0", 10}, HangCase{"007", 10},
                                         HangCase{"3600", 3600}, HangCase{"3601", 30},
                                         HangCase{"99999999999999999999", 30}, HangCase{"", 30},
                                         HangCase{"  ", 30}, HangCase{"-20", 30},
                                         HangCase{"+20", 30}, HangCase{"20.5", 30},
                                         HangCase{"1e2", 30}, HangCase{"20 s", 30},
                                         HangCase{"abc", 30}, HangCase{"２０", 30}));

}  // namespace
}  // namespace tal::watchdog
