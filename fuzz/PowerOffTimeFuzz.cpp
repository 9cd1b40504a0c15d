// The power-off minute: the clock text of every time of day is "HH:MM" and matches that time,
// and any stored text matches exactly when it is five characters "HH:MM" naming the hour and
// minute of the clock, whatever the second.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/Require.h"
#include "kiosk/ClockMinute.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int TwoDigits(std::string_view text) {
    return (text[0] - '0') * 10 + (text[1] - '0');
}

bool NamesMinute(std::string_view text, const tal::platform::TimeOfDay& time) {
    return text.size() == 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' &&
           IsDigit(text[3]) && IsDigit(text[4]) && TwoDigits(text) == time.hour &&
           TwoDigits(text.substr(3)) == time.minute;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tal::platform::TimeOfDay time;
    time.hour = input.ConsumeIntegralInRange(0, 23);
    time.minute = input.ConsumeIntegralInRange(0, 59);
    time.second = input.ConsumeIntegralInRange(0, 59);
    const std::string stored = input.ConsumeRemainingBytesAsString();

    const std::string clock = tal::ClockText(time);
    TAL_REQUIRE(NamesMinute(clock, time));
    TAL_REQUIRE(tal::IsClockMinute(time, clock));

    const bool matches = tal::IsClockMinute(time, stored);
    TAL_REQUIRE(matches == NamesMinute(stored, time));
    tal::platform::TimeOfDay otherSecond = time;
    otherSecond.second = (time.second + 31) % 60;
    TAL_REQUIRE(tal::IsClockMinute(otherSecond, stored) == matches);
    return 0;
}
