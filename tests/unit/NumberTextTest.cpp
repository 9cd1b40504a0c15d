#include "common/NumberText.h"

#include <cmath>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

namespace tal {
namespace {

struct LeadingNumberCase {
    const char* text;
    double expected;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected)
        << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(LeadingNumberCase{"2.5", 2.5}, LeadingNumberCase{"  -1e2x", -100},
                    LeadingNumberCase{"abc", 0}, LeadingNumberCase{"", 0},
                    LeadingNumberCase{"0", 0}, LeadingNumberCase{"3", 3},
                    LeadingNumberCase{"\t 7 seconds", 7}, LeadingNumberCase{"+4.25", 4.25},
                    LeadingNumberCase{".5", 0.5}, LeadingNumberCase{"5.", 5},
                    LeadingNumberCase{"-.5", -0.5}, LeadingNumberCase{"1.2.3", 1.2},
                    LeadingNumberCase{"1e", 1}, LeadingNumberCase{"1e+", 1},
                    LeadingNumberCase{"2E-1", 0.2}, LeadingNumberCase{"1e+3", 1000},
                    LeadingNumberCase{".", 0}, LeadingNumberCase{"-", 0},
                    LeadingNumberCase{"+-1", 0}, LeadingNumberCase{"x1", 0},
                    // A decimal comma is not a decimal point, whatever the locale.
                    LeadingNumberCase{"2,5", 2}, LeadingNumberCase{"0x10", 0},
                    LeadingNumberCase{"1e-400", 0}, LeadingNumberCase{"0.000e999999", 0}));

TEST(LeadingNumberTest, NumbersBeyondADoubleAreInfinite) {
    EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e308"), 1e308);
}

struct NumericCase {
    const char* text;
    std::optional<double> value;
};

class NumericValueTest : public testing::TestWithParam<NumericCase> {};

TEST_P(NumericValueTest, AcceptsWholeDecimalNumbersOnly) {
    const std::optional<double> value = NumericValue(GetParam().text);
    ASSERT_EQ(value.has_value(), GetParam().value.has_value())
        << "text \"" << GetParam().text << "\"";
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *GetParam().value) << "text \"" << GetParam().text << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    testing::Values(NumericCase{"7", 7}, NumericCase{"07", 7}, NumericCase{"23", 23},
                    NumericCase{" 7 ", 7}, NumericCase{"\t7", 7}, NumericCase{"-1", -1},
                    NumericCase{"+5", 5}, NumericCase{"7.5", 7.5}, NumericCase{".5", 0.5},
                    NumericCase{"5.", 5}, NumericCase{"0", 0}, NumericCase{"-0", 0},
                    NumericCase{"", std::nullopt}, NumericCase{"  ", std::nullopt},
                    NumericCase{"ab", std::nullopt}, NumericCase{"7a", std::nullopt},
                    NumericCase{"7 5", std::nullopt}, NumericCase{".", std::nullopt},
                    NumericCase{"-", std::nullopt}, NumericCase{"1.2.3", std::nullopt},
                    NumericCase{"1e2", std::nullopt}, NumericCase{"0x10", std::nullopt},
                    NumericCase{"1,5", std::nullopt}, NumericCase{"--1", std::nullopt},
                    NumericCase{"7:", std::nullopt}));

struct PositionValueCase {
    const char* text;
    float twips;
};

class PositionValueTest : public testing::TestWithParam<PositionValueCase> {};

TEST_P(PositionValueTest, ReadsWholeNumbersAndTakesZeroForAnythingElse) {
    EXPECT_FLOAT_EQ(PositionValue(GetParam().text), GetParam().twips)
        << "text \"" << GetParam().text << "\"";
}

constexpr float largestFloat = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(
    Texts, PositionValueTest,
    testing::Values(PositionValueCase{"3000", 3000}, PositionValueCase{"150.5", 150.5F},
                    PositionValueCase{"-300", -300}, PositionValueCase{" 7020 ", 7020},
                    PositionValueCase{"0", 0}, PositionValueCase{"-0", 0},
                    PositionValueCase{"1.234568E+07", 12345680}, PositionValueCase{"", 0},
                    PositionValueCase{"  ", 0}, PositionValueCase{"abc", 0},
                    PositionValueCase{"12abc", 0}, PositionValueCase{"0x10", 0},
                    PositionValueCase{"1,5", 0}, PositionValueCase{"nan", 0},
                    PositionValueCase{"inf", 0}, PositionValueCase{"1e40", largestFloat},
                    PositionValueCase{"-1e40", -largestFloat},
                    PositionValueCase{"1e308", largestFloat}, PositionValueCase{"1e-50", 0}));

struct TwoDigitCase {
    double value;
    const char* text;
};

class FormatTwoDigitsTest : public testing::TestWithParam<TwoDigitCase> {};

TEST_P(FormatTwoDigitsTest, RoundsHalvesUpAndPadsToTwoDigits) {
    EXPECT_EQ(FormatTwoDigits(GetParam().value), GetParam().text) << "value " << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, FormatTwoDigitsTest,
                         testing::Values(TwoDigitCase{7, "07"}, TwoDigitCase{7.5, "08"},
                                         TwoDigitCase{22.5, "23"}, TwoDigitCase{0, "00"},
                                         TwoDigitCase{0.4, "00"}, TwoDigitCase{0.5, "01"},
                                         TwoDigitCase{59, "59"}, TwoDigitCase{9.49, "09"},
                                         TwoDigitCase{123, "123"}, TwoDigitCase{-5, "-05"},
                                         TwoDigitCase{-0.4, "00"},
                                         TwoDigitCase{1e20, "100000000000000000000"}));

struct PositionCase {
    float twips;
    const char* text;
};

class PositionTextTest : public testing::TestWithParam<PositionCase> {};

TEST_P(PositionTextTest, WritesAtMostSevenSignificantDigits) {
    EXPECT_EQ(PositionText(GetParam().twips), GetParam().text) << "twips " << GetParam().twips;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PositionTextTest,
    testing::Values(PositionCase{7020, "7020"}, PositionCase{-150, "-150"}, PositionCase{0, "0"},
                    PositionCase{-0.0F, "0"}, PositionCase{150.5F, "150.5"},
                    PositionCase{1234567, "1234567"}, PositionCase{12345678, "1.234568E+07"},
                    PositionCase{3000, "3000"}, PositionCase{-300, "-300"},
                    PositionCase{0.25F, "0.25"}, PositionCase{1e10F, "1E+10"}));

}  // namespace
}  // namespace tal
