#include "kiosk/RestartSchedule.h"

#include <utility>

#include "kiosk/ClockMinute.h"
#include "kiosk/TickSince.h"

namespace tal {

RestartSchedule::RestartSchedule(std::string restartTime, const platform::TimeOfDay& startedAt)
    : restartTime_(std::move(restartTime)), inMinute_(IsClockMinute(startedAt, restartTime_)) {}

bool RestartSchedule::due(const platform::TimeOfDay& time, const platform::InputTimes& input) {
    const bool inMinute = IsClockMinute(time, restartTime_);
    if (inMinute && !inMinute_) {
        waitingSince_ = input.now;
    }
    inMinute_ = inMinute;
    if (!waitingSince_) {
        return false;
    }
    const bool quiet = MillisecondsSince(input.now, input.lastInput) >= quietMilliseconds;
    if (!quiet && input.now - *waitingSince_ < longestDelay) {
        return false;
    }
    waitingSince_.reset();
    return true;
}

}  // namespace tal
