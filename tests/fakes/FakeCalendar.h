#pragma once

#include "platform/Calendar.h"

namespace tal::fakes {

class FakeCalendar : public platform::Calendar {
public:
    platform::LocalDateTime now{2026, 12, 7, 14, 3, 22, 540};

    platform::LocalDateTime localNow() override { return now; }
};

}  // namespace tal::fakes
