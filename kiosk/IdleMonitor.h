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
// input since the kiosk showed or was last reset, so that an untouched kiosk does not reload
// again and again.
class IdleMonitor {
public:
    // A `resetAfter` of 0 switches the monitor off; a warning longer than that covers it whole.
    IdleMonitor(std::uint32_t resetAfter = 0, std::uint32_t warning = 0);

    // Input stamped from the start of a change of the kiosk's windows until this long after its
    // end may be the system's echo of it: under Wine a window that appears or goes under the
    // resting mouse pointer counts as mouse input. Such input is taken for the echo only when the
    // pointer has stayed where it was and no key or button went down or up since the change.
    static constexpr std::uint32_t echoMilliseconds = 500;

    bool enabled() const { return resetAfter_ != 0; }
    // The kiosk's window showed, or a reset is done: the input so far belongs to nobody who is
    // still at the kiosk. Before the first baseline nobody can have used the kiosk.
    void takeBaseline(const platform::InputTimes& times);
    // What to do now. The devices are read only for input that may echo a change.
    IdleStep step(platform::UserInput& input);
    // The visitor answered the warning: counts as input now.
    void continueSession(const platform::InputTimes& times);
    // The kiosk changed its windows between these two ticks; `before` was read just before.
    void windowsChanged(std::uint32_t from, std::uint32_t to, const platform::InputDevices& before);

private:
    struct Change {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
        platform::InputDevices before;
        // A person's input came between changes merged into this one.
        bool touched = false;
    };

    // Takes new input as a person's unless it echoes the kiosk's own change.
    void observe(const platform::InputTimes& times, platform::UserInput& input);
    bool inEchoSpan(std::uint32_t time) const;
    bool echoesChange(std::uint32_t lastInput, platform::UserInput& input) const;

    std::uint32_t resetAfter_;
    std::uint32_t warning_;
    bool baselineTaken_ = false;
    // A person's input came since the baseline.
    bool visited_ = false;
    // The last input stamp read, as read, and the last one taken as a person's, never later than
    // the tick that first read it.
    std::uint32_t observedInput_ = 0;
    std::uint32_t personInput_ = 0;
    std::optional<std::uint32_t> continuedAt_;
    std::optional<Change> change_;
};

}  // namespace tal
