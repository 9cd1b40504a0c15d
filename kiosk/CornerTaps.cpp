#include "kiosk/CornerTaps.h"

#include <algorithm>

namespace tal {

bool CornerTaps::press(std::int32_t x, std::int32_t y, std::uint32_t time) {
    if (x < 0 || y < 0 || x >= cornerPixels || y >= cornerPixels) {
        // A press elsewhere breaks the series.
        count_ = 0;
        return false;
    }
    if (count_ == tapsNeeded) {
        std::shift_left(times_.begin(), times_.end(), 1);
        --count_;
    }
    times_[count_++] = time;
    // Unsigned: right across the tick's wrap-around.
    if (count_ == tapsNeeded && times_.back() - times_.front() <= withinMilliseconds) {
        count_ = 0;
        return true;
    }
    return false;
}

}  // namespace tal
