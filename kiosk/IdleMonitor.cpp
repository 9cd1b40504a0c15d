#include "kiosk/IdleMonitor.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "kiosk/TickSince.h"

namespace tal {

namespace {

// The last input's stamp, or now when it lies ahead of now (injected input can carry such a
// stamp): from then on it ages like any other input.
std::uint32_t NotAheadOfNow(const platform::InputTimes& times) {
    return times.now - MillisecondsSince(times.now, times.lastInput);
}

// Whether the pointer has stayed where it was and no key or button went down or up since `before`.
bool Rested(const platform::InputDevices& before, const platform::InputDevices& now) {
    return before.pointer && now.pointer == before.pointer && now.held == before.held &&
           !now.pressedSinceLastReading;
}

}  // namespace

std::optional<std::uint32_t> SecondsSettingMilliseconds(std::string_view text) {
    const std::optional<double> seconds = NumericValue(text);
    if (!seconds || !std::isfinite(*seconds) || *seconds < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(
        std::lround(std::min(*seconds, double{settings::day}) * 1000.0));
}

IdleMonitor::IdleMonitor(std::uint32_t resetAfter, std::uint32_t warning)
    : resetAfter_(resetAfter), warning_(std::min(warning, resetAfter)) {}

IdleStep IdleMonitor::step(platform::UserInput& input) {
    if (!enabled() || !baselineTaken_) {
        return {};
    }
    const platform::InputTimes times = input.inputTimes();
    observe(times, input);
    if (!visited_ && !continuedAt_) {
        return {};
    }
    std::uint32_t idle = MillisecondsSince(times.now, personInput_);
    if (continuedAt_) {
        idle = std::min(idle, MillisecondsSince(times.now, *continuedAt_));
    }
    if (idle >= resetAfter_) {
        return {IdleStep::Kind::reset, 0};
    }
    const std::uint32_t left = resetAfter_ - idle;
    if (warning_ > 0 && left <= warning_) {
        return {IdleStep::Kind::warn, (left + 999) / 1000};
    }
    return {};
}

void IdleMonitor::observe(const platform::InputTimes& times, platform::UserInput& input) {
    if (times.lastInput == observedInput_) {
        return;
    }
    observedInput_ = times.lastInput;
    if (echoesChange(times.lastInput, input)) {
        return;
    }
    personInput_ = NotAheadOfNow(times);
    visited_ = true;
}

bool IdleMonitor::inEchoSpan(std::uint32_t time) const {
    // Unsigned: a time before the change lies far beyond the span.
    return change_ && time - change_->from <= change_->to - change_->from + echoMilliseconds;
}

bool IdleMonitor::echoesChange(std::uint32_t lastInput, platform::UserInput& input) const {
    return inEchoSpan(lastInput) && !change_->touched &&
           Rested(change_->before, input.inputDevices());
}

void IdleMonitor::takeBaseline(const platform::InputTimes& times) {
    baselineTaken_ = true;
    visited_ = false;
    observedInput_ = times.lastInput;
    personInput_ = NotAheadOfNow(times);
    continuedAt_.reset();
}

void IdleMonitor::windowsChanged(std::uint32_t from, std::uint32_t to,
                                 const platform::InputDevices& before) {
    // A change while the last may still echo extends it: the echo of the first may come after the
    // second began, and the devices are judged against how they were before the first.
    if (inEchoSpan(from)) {
        change_->to = to;
        change_->touched = change_->touched || !Rested(change_->before, before);
        return;
    }
    change_ = Change{from, to, before};
}

void IdleMonitor::continueSession(const platform::InputTimes& times) {
    continuedAt_ = times.now;
}

}  // namespace tal
