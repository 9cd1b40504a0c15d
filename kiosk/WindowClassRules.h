#pragma once

#include <span>
#include <string_view>

namespace tal {

// What becomes of a top-level window that appears in the kiosk's process.
enum class WindowVerdict {
    allow,
    refuse,
    // A class the table does not know: the window stays, and the class is logged once so that
    // the table can be completed from the field.
    unknown,
};

struct WindowClassRule {
    std::string_view className;
    WindowVerdict verdict;
    std::string_view reason;
};

// Every window class the kiosk knows, with the reason why it is allowed or refused.
std::span<const WindowClassRule> WindowClassRules();

// The verdict for a class. Class names compare without regard to the letters' case, as the system
// compares them.
WindowVerdict JudgeWindowClass(std::string_view className);

}  // namespace tal
