#include "kiosk/RefusalLog.h"

namespace tal {

bool RefusalLog::write(std::string_view event, std::initializer_list<LogField> fields) {
    const std::uint32_t now = clock_.tickCount();
    // Unsigned differences stay right when the tick count wraps around.
    if (!started_ || now - minuteStart_ >= minute) {
        writeCount();
        started_ = true;
        minuteStart_ = now;
        lines_ = 0;
    }
    if (lines_ == linesPerMinute) {
        ++unlogged_;
        return false;
    }
    ++lines_;
    log_.write(event, fields);
    return true;
}

void RefusalLog::flush() {
    if (started_ && clock_.tickCount() - minuteStart_ >= minute) {
        writeCount();
    }
}

void RefusalLog::writeCount() {
    if (unlogged_ > 0) {
        log_.write("refused-unlogged", {{"count", unlogged_}});
        unlogged_ = 0;
    }
}

}  // namespace tal
