#include "kiosk/IdleMonitor.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "kiosk/TickSince.h"

namespace tal {

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

IdleStep IdleMonitor::step(const platform::InputTimes& times) {
    if (!enabled()) {
        return {};
    }
    if (!baselineTaken_) {
        resetDone(times);
        return {};
    }
    observe(times.lastInput);
    const bool touched = personInput_ != lastInputAtReset_ || continuedAt_.has_value();
    if (!touched) {
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

void IdleMonitor::observe(std::uint32_t lastInput) {
    if (lastInput == observedInput_) {
        return;
    }
    observedInput_ = lastInput;
    // Unsigned: input from before the change lies far beyond the span.
    if (changed_ && lastInput - changeFrom_ <= changeTo_ - changeFrom_ + echoMilliseconds) {
        return;
    }
    personInput_ = lastInput;
}

void IdleMonitor::resetDone(const platform::InputTimes& times) {
    lastInputAtReset_ = times.lastInput;
    observedInput_ = times.lastInput;
    personInput_ = times.lastInput;
    baselineTaken_ = true;
    continuedAt_.reset();
}

void IdleMonitor::windowsChanged(std::uint32_t from, std::uint32_t to) {
    changeFrom_ = from;
    changeTo_ = to;
    changed_ = true;
}

void IdleMonitor::continueSession(const platform::InputTimes& times) {
    continuedAt_ = times.now;
}

}  // namespace tal
