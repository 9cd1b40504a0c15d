#pragma once

#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace tal {

// The time of day as the settings store a power-off time: 24-hour "HH:MM", two digits each.
std::string PowerOffClockText(const platform::TimeOfDay& time);

// Whether `time` lies in the minute that `powerOffTime` names. An empty or malformed power-off
// time never matches.
bool IsPowerOffTime(const platform::TimeOfDay& time, std::string_view powerOffTime);

}  // namespace tal
