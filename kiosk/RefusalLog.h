#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "common/EventLog.h"
#include "platform/Clock.h"

namespace tal {

// The lines about what the kiosk refused a page, at most `linesPerMinute` a minute: a page that
// tries again and again in a loop neither fills TAL.log nor holds the kiosk up with writes. The
// refusals beyond that are counted, and their number is written once their minute is over
// (`refused-unlogged count=N`).
class RefusalLog {
public:
    static constexpr std::size_t linesPerMinute = 100;
    static constexpr std::uint32_t minute = 60'000;

    RefusalLog(EventLog& log, platform::Clock& clock) : log_(log), clock_(clock) {}

    // False when the line was only counted.
    bool write(std::string_view event, std::initializer_list<LogField> fields = {});
    // Writes the count of a minute that is over; called once a second, so that the count is not
    // held back until the next refusal.
    void flush();

private:
    void writeCount();

    EventLog& log_;
    platform::Clock& clock_;
    bool started_ = false;
    std::uint32_t minuteStart_ = 0;
    std::size_t lines_ = 0;
    std::size_t unlogged_ = 0;
};

}  // namespace tal
