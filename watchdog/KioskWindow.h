#pragma once

#include <cstdint>

#include "platform/Desktop.h"

namespace tal::watchdog {

inline constexpr const char* kioskWindowTitle = "Varnolt";

// The kiosk's main window: the top-level window of process `processId` titled "Varnolt", shown
// or not. 0 when there is none.
platform::WindowHandle FindKioskWindow(platform::Desktop& desktop, std::uint32_t processId);

}  // namespace tal::watchdog
