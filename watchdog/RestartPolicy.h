#pragma once

#include <cstdint>
#include <deque>

namespace tal::watchdog {

// Why the kiosk needs starting again.
enum class EndReason {
    ended,       // it ended of itself: a crash, killed, closed
    hung,        // the watchdog ended it because its window stopped answering
    windowless,  // the watchdog ended it because it ran on without its window (its error box)
    refused,     // it declined to start (its own exit code says so)
    requested,   // it ended so that a new one starts at once (its own exit code says so)
    notStarted,  // the start itself failed
};

struct RestartDelay {
    std::uint64_t milliseconds = 0;
    // The delay is a back-off after starts that piled up or failed.
    bool backOff = false;
};

// When to start the kiosk again. Times are milliseconds of one steady clock.
class RestartPolicy {
public:
    static constexpr std::uint64_t pileUpWindow = 60'000;
    // More starts than this within the window make the watchdog back off.
    static constexpr std::size_t pileUpStarts = 5;
    static constexpr std::uint64_t firstBackOff = 30'000;
    static constexpr std::uint64_t longestBackOff = 600'000;
    // A kiosk that ran this long ends any back-off.
    static constexpr std::uint64_t goodRun = 600'000;
    static constexpr std::uint64_t refusalDelay = 60'000;

    // Every start but the one that answers a requested restart counts toward a pile-up.
    void recordStart(std::uint64_t now);
    // `ranFor`: how long the kiosk ran before it ended (0 when it did not start).
    RestartDelay afterEnd(std::uint64_t now, EndReason reason, std::uint64_t ranFor);

    // The back-off that the next pile-up or failure would wait; 0 while none is in force.
    std::uint64_t currentBackOff() const { return backOff_; }

private:
    RestartDelay backOff();

    std::deque<std::uint64_t> starts_;
    std::uint64_t backOff_ = 0;
    bool nextStartUncounted_ = false;
};

}  // namespace tal::watchdog
