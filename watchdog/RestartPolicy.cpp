#include "watchdog/RestartPolicy.h"

#include <algorithm>
#include <utility>

namespace tal::watchdog {

void RestartPolicy::recordStart(std::uint64_t now) {
    if (std::exchange(nextStartUncounted_, false)) {
        return;
    }
    starts_.push_back(now);
    // Only the last few starts can tell a pile-up.
    if (starts_.size() > pileUpStarts + 1) {
        starts_.pop_front();
    }
}

RestartDelay RestartPolicy::afterEnd(std::uint64_t now, EndReason reason, std::uint64_t ranFor) {
    if (ranFor >= goodRun) {
        backOff_ = 0;
        starts_.clear();
    }
    if (reason == EndReason::requested) {
        // The kiosk's fresh start of the day or an operator's restart: no crash, at once, and
        // whatever back-off is in force stays as it was.
        nextStartUncounted_ = true;
        return {0, false};
    }
    if (reason == EndReason::refused) {
        // The other program's window is up: no crash, so no back-off either.
        return {refusalDelay, false};
    }
    // A kiosk left without its window has failed as a start fails: trying again at once would
    // only fail again.
    if (reason == EndReason::notStarted || reason == EndReason::windowless || backOff_ > 0) {
        return backOff();
    }
    const auto recent = std::count_if(starts_.begin(), starts_.end(), [now](std::uint64_t start) {
        return now - start < pileUpWindow;
    });
    if (static_cast<std::size_t>(recent) > pileUpStarts) {
        return backOff();
    }
    return {0, false};
}

RestartDelay RestartPolicy::backOff() {
    backOff_ = backOff_ == 0 ? firstBackOff : std::min(backOff_ * 2, longestBackOff);
    return {backOff_, true};
}

}  // namespace tal::watchdog
