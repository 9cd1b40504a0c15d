#include "kiosk/IdleMonitor.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"

namespace tal {

namespace {

// The last input's stamp, or now when it lies ahead of now (injected input can carry such a
// stamp): from then on it ages like any other input.
std::uint32_t NotAheadOfNow(const platform::InputTimes& times) {
    // Unsigned: a stamp ahead of now lies more than half the tick's range behind it.
    return times.now - times.lastInput > 0x80000000U ? times.now : times.lastInput;
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
    // Unsigned differences stay right when the tick count wraps around.
    std::uint32_t idle = times.now - personInput_;
    if (continuedAt_) {
        idle = std::min(idle, times.now - *continuedAt_);
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

bool IdleMonitor::echoesChange(std::uint32_t lastInput, platform::UserInput& input) const {
    // Unsigned: input from before the change lies far beyond the span.
    if (!change_ || lastInput - change_->from > change_->to - change_->from + echoMilliseconds) {
        return false;
    }
    const platform::InputDevices now = input.inputDevices();
    return change_->before.pointer && now.pointer == change_->before.pointer &&
           now.held == change_->before.held && !now.pressedSinceLastReading;
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
    change_ = Change{from, to, before};
}

void IdleMonitor::continueSession(const platform::InputTimes& times) {
    continuedAt_ = times.now;
}

}  // namespace tal
