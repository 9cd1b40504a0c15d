#pragma once

#include <cstdint>
#include <vector>

#include "common/EventLog.h"
#include "platform/AccessibilityFeatures.h"

namespace tal {

// The hotkeys of StickyKeys (Shift five times), FilterKeys (right Shift held), ToggleKeys (NumLock
// held), HighContrast and MouseKeys open dialogs that link to the system's settings: a way out.
// While the key lock is on they are switched off for the session only, and put back as they were
// when the kiosk ends. A feature that is on stays as the operator set it. A call that fails is
// logged and changes nothing else.
class AccessibilityHotkeys {
public:
    AccessibilityHotkeys(platform::AccessibilityFeatures& features, EventLog& log)
        : features_(features), log_(log) {}
    ~AccessibilityHotkeys() { restore(); }
    AccessibilityHotkeys(const AccessibilityHotkeys&) = delete;
    AccessibilityHotkeys& operator=(const AccessibilityHotkeys&) = delete;

    void switchOff();
    // Puts back the flags that switchOff changed; once.
    void restore();

private:
    struct Changed {
        platform::AccessibilityFeature feature;
        std::uint32_t flags;
    };

    void logFailure(platform::AccessibilityFeature feature, const char* step);

    platform::AccessibilityFeatures& features_;
    EventLog& log_;
    std::vector<Changed> changed_;
};

}  // namespace tal
