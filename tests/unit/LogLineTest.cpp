#include "common/LogLine.h"

#include <string>

#include <gtest/gtest.h>

namespace tal {
namespace {

struct ValueCase {
    const char* name;
    std::string value;
    std::string written;
};

class LogValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(LogValueTest, QuotesOnlyWhatAReaderCouldNotSplitOtherwise) {
    EXPECT_EQ(LogValue(GetParam().value), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LogValueTest,
    testing::Values(ValueCase{"Plain", "button", "button"}, ValueCase{"Number", "31", "31"},
                    ValueCase{"BackslashOutsideQuotes", "C:\\Kiosk", "C:\\Kiosk"},
                    ValueCase{"EqualsSign", "a=b", "a=b"},
                    ValueCase{"Japanese", "はじめに戻る", "はじめに戻る"},
                    ValueCase{"Empty", "", "\"\""},
                    ValueCase{"Blank", "C:\\Program Files\\TAL", "\"C:\\\\Program Files\\\\TAL\""},
                    ValueCase{"Quote", "say \"hi\"", "\"say \\\"hi\\\"\""},
                    ValueCase{"QuoteAlone", "a\"b", "\"a\\\"b\""},
                    ValueCase{"LineBreaks", "one\r\ntwo\tthree", "\"one\\r\\ntwo\\tthree\""},
                    ValueCase{"OtherControl", std::string("a\x01z\x7F", 4), "\"a\\x01z\\x7F\""},
                    ValueCase{"NulByte", std::string("a\0b", 3), "\"a\\x00b\""},
                    ValueCase{"ShiftJisIsNotUtf8", "\x83\x65\x83\x58\x83\x67",
                              "\"\\x83e\\x83X\\x83g\""},
                    ValueCase{"CutUtf8", "\xE3\x81", "\"\\xE3\\x81\""},
                    ValueCase{"OverlongSlash", "\xC0\xAF", "\"\\xC0\\xAF\""},
                    ValueCase{"Surrogate", "\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},
                    ValueCase{"FourByte", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                    ValueCase{"BeyondUnicode", "\xF4\x90\x80\x80", "\"\\xF4\\x90\\x80\\x80\""}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

struct TimeCase {
    const char* name;
    platform::LocalDateTime time;
    const char* written;
};

class LogTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(LogTimeTest, IsLocalTimeWithItsOffset) {
    EXPECT_EQ(FormatLogTime(GetParam().time), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, LogTimeTest,
    testing::Values(TimeCase{"Japan", {2026, 12, 7, 14, 3, 22, 540}, "2026-12-07T14:03:22+09:00"},
                    TimeCase{"Utc", {2027, 1, 1, 0, 0, 0, 0}, "2027-01-01T00:00:00+00:00"},
                    TimeCase{"West", {2026, 3, 9, 23, 59, 59, -300}, "2026-03-09T23:59:59-05:00"},
                    TimeCase{"HalfHour", {2026, 6, 30, 9, 5, 7, 330}, "2026-06-30T09:05:07+05:30"},
                    TimeCase{
                        "QuarterWest", {2026, 6, 30, 9, 5, 7, -570}, "2026-06-30T09:05:07-09:30"},
                    TimeCase{"Chatham", {2026, 6, 30, 9, 5, 7, 765}, "2026-06-30T09:05:07+12:45"}),
    [](const testing::TestParamInfo<TimeCase>& info) { return std::string(info.param.name); });

const platform::LocalDateTime someTime{2026, 12, 7, 14, 3, 22, 540};

std::string Line(const platform::LocalDateTime& time, std::string_view program,
                 std::string_view event, std::initializer_list<LogField> fields,
                 std::uint64_t dropped) {
    return FormatLogLine(time, program, event, {fields.begin(), fields.size()}, dropped);
}

TEST(LogLineTest, TimeProgramEventAndFieldsInOrderEndingInCrLf) {
    EXPECT_EQ(Line(someTime, "TAL", "reset",
                   {{"trigger", "button"}, {"closed", 2}, {"wiped", 31U}, {"ms", -12}}, 0),
              "2026-12-07T14:03:22+09:00 TAL reset trigger=button closed=2 wiped=31 ms=-12\r\n");
}

TEST(LogLineTest, LostLinesAreCountedAtTheEnd) {
    EXPECT_EQ(Line(someTime, "talwatch", "start", {{"pid", 8}}, 3),
              "2026-12-07T14:03:22+09:00 talwatch start pid=8 dropped=3\r\n");
}

TEST(LogLineTest, NamesKeepOneWordEach) {
    EXPECT_EQ(Line(someTime, "my prog", "kiosk start", {{"a key=", "v"}, {"", "w"}}, 0),
              "2026-12-07T14:03:22+09:00 my_prog kiosk_start a_key_=v _=w\r\n");
}

}  // namespace
}  // namespace tal
