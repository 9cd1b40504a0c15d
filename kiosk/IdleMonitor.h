#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/UserInput.h"

namespace tal {

// A number of seconds as the settings store it: decimal text, fractions allowed, at most a day.
// Nothing for text that is not such a number, or is negative or infinite.
std::optional<std::uint32_t> SecondsSettingMilliseconds(std::string_view text);

// What the kiosk does about inactivity at one tick.
struct IdleStep {
    enum class Kind { none, warn, reset };
    Kind kind = Kind::none;
    // For warn: the whole seconds left before the reset, at least 1.
    std::uint32_t secondsLeft = 0;
    friend bool operator==(const IdleStep&, const IdleStep&) = default;
};

// Decides when a kiosk that nobody uses any more goes back to its start: after `resetAfter`
// milliseconds without input, warning `warning` milliseconds before, and only when there was
// input since the last reset, so that an untouched kiosk does not reload again and again.
class IdleMonitor {
public:
    // A `resetAfter` of 0 switches the monitor off; a warning longer than that covers it whole.
    IdleMonitor(std::uint32_t resetAfter = 0, std::uint32_t warning = 0);

    // Input stamped from `from` until this long after `to`, when the kiosk showed, hid or closed
    // windows, is the system's echo of that change and not a person's: under Wine a window that
    // appears or goes under the resting mouse pointer counts as mouse input.
    static constexpr std::uint32_t echoMilliseconds = 500;

    bool enabled() const { return resetAfter_ != 0; }
    // The first step only notes the last input: what came before the kiosk's first tick (its own
    // window appearing under the pointer, on some systems) belongs to no visitor.
    IdleStep step(const platform::InputTimes& times);
    // A reset happened: the input so far belongs to the visitor who has gone.
    void resetDone(const platform::InputTimes& times);
    // The visitor answered the warning: counts as input now.
    void continueSession(const platform::InputTimes& times);
    // The kiosk changed its windows between these two ticks.
    void windowsChanged(std::uint32_t from, std::uint32_t to);

private:
    // Takes the session's last input as a person's unless it echoes the kiosk's own change.
    void observe(std::uint32_t lastInput);

    std::uint32_t resetAfter_;
    std::uint32_t warning_;
    std::uint32_t lastInputAtReset_ = 0;
    // The last input read, and the last one taken as a person's.
    std::uint32_t observedInput_ = 0;
    std::uint32_t personInput_ = 0;
    bool baselineTaken_ = false;
    std::optional<std::uint32_t> continuedAt_;
    std::uint32_t changeFrom_ = 0;
    std::uint32_t changeTo_ = 0;
    bool changed_ = false;
};

}  // namespace tal
