#include "kiosk/PowerOffTime.h"

#include "common/NumberText.h"

namespace tal {

std::string PowerOffClockText(const platform::TimeOfDay& time) {
    return FormatTwoDigits(time.hour) + ":" + FormatTwoDigits(time.minute);
}

bool IsPowerOffTime(const platform::TimeOfDay& time, std::string_view powerOffTime) {
    return powerOffTime == PowerOffClockText(time);
}

}  // namespace tal
