#pragma once

#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace tal {

// The time of day as the settings store one (TimeToShutdown, RestartTime): 24-hour "HH:MM", two
// digits each.
std::string ClockText(const platform::TimeOfDay& time);

// Whether `time` lies in the minute that `stored` names. An empty or malformed time never matches.
bool IsClockMinute(const platform::TimeOfDay& time, std::string_view stored);

}  // namespace tal
