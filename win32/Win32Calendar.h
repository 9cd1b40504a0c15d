#pragma once

#include "platform/Calendar.h"

namespace tal::win32 {

class Win32Calendar : public platform::Calendar {
public:
    platform::LocalDateTime localNow() override;
};

}  // namespace tal::win32
