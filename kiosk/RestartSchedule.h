#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/UserInput.h"

namespace tal {

// The kiosk's fresh start of the day as a new process: from the minute that RestartTime names, as
// soon as nobody has touched the PC for a minute, and an hour later whatever the input says.
class RestartSchedule {
public:
    static constexpr std::uint32_t quietMilliseconds = 60'000;
    static constexpr std::uint32_t longestDelay = 3'600'000;

    // `restartTime`: "HH:MM" as the settings store it; empty or malformed: never. `startedAt`: the
    // time of day at the kiosk's start; a kiosk that starts within the minute is fresh already, so
    // that the new process does not restart again.
    explicit RestartSchedule(std::string restartTime = {},
                             const platform::TimeOfDay& startedAt = {});

    // One tick: true once when the kiosk is to restart now.
    bool due(const platform::TimeOfDay& time, const platform::InputTimes& input);

private:
    std::string restartTime_;
    bool inMinute_ = false;
    // The tick at which the minute began; nothing while no restart waits.
    std::optional<std::uint32_t> waitingSince_;
};

}  // namespace tal
