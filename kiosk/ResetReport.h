#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tal {

enum class ResetTrigger { button, screenSaver, inactivity, startupWipe };

// The trigger as the log names it.
std::string_view TriggerName(ResetTrigger trigger);

// What one reset did on the UI thread; the session wipe runs on after it.
struct ResetReport {
    ResetTrigger trigger = ResetTrigger::button;
    std::size_t windowsClosed = 0;
    std::uint32_t milliseconds = 0;
    // The browser control was modal: nothing was done yet, the reset runs once it is idle again.
    bool held = false;
};

}  // namespace tal
