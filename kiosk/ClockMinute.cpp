#include "kiosk/ClockMinute.h"

#include "common/NumberText.h"

namespace tal {

std::string ClockText(const platform::TimeOfDay& time) {
    return FormatTwoDigits(time.hour) + ":" + FormatTwoDigits(time.minute);
}

bool IsClockMinute(const platform::TimeOfDay& time, std::string_view stored) {
    return stored == ClockText(time);
}

}  // namespace tal
