#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tal {

// The operator's gesture on a touch screen without a keyboard: five taps within three seconds in
// the screen's top-left corner. Sees every press of the session (from a low-level hook), so it
// does nothing slow.
class CornerTaps {
public:
    static constexpr std::int32_t cornerPixels = 80;
    static constexpr std::size_t tapsNeeded = 5;
    static constexpr std::uint32_t withinMilliseconds = 3000;

    // A press at screen pixel (`x`, `y`) at `time`, the system's millisecond tick. True at the
    // press that completes the gesture; the count then starts afresh.
    bool press(std::int32_t x, std::int32_t y, std::uint32_t time);

private:
    // The times of the latest presses in the corner, oldest first once `count_` is full.
    std::array<std::uint32_t, tapsNeeded> times_{};
    std::size_t count_ = 0;
};

}  // namespace tal
