#include "kiosk/ResetReport.h"

namespace tal {

std::string_view TriggerName(ResetTrigger trigger) {
    switch (trigger) {
        case ResetTrigger::button:
            return "button";
        case ResetTrigger::screenSaver:
            return "screensaver";
        case ResetTrigger::inactivity:
            return "inactivity";
        case ResetTrigger::startupWipe:
            return "startup";
    }
    return "unknown";
}

}  // namespace tal
