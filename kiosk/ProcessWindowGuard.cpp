#include "kiosk/ProcessWindowGuard.h"

#include <algorithm>

#include "common/Flags.h"
#include "kiosk/WindowClassRules.h"

namespace tal {

bool ProcessWindowGuard::refuses(platform::WindowHandle window, std::string_view className,
                                 std::string_view title,
                                 const std::function<bool()>& openedByKiosk) {
    switch (JudgeWindowClass(className)) {
        case WindowVerdict::allow:
            return false;
        case WindowVerdict::unknown:
            if (!unknownClassesLogged_.contains(LowerCase(className)) &&
                log_.write("unknown-window", {{"class", className}, {"title", title}})) {
                unknownClassesLogged_.insert(LowerCase(className));
            }
            return false;
        case WindowVerdict::refuse:
            break;
    }
    if (openedByKiosk()) {
        return false;
    }
    if (!refusedRecently(window)) {
        recentlyRefused_[nextRecent_] = window;
        nextRecent_ = (nextRecent_ + 1) % recentlyRefused_.size();
        log_.write("refused-window", {{"class", className}, {"title", title}});
    }
    return true;
}

bool ProcessWindowGuard::refusedRecently(platform::WindowHandle window) const {
    return std::find(recentlyRefused_.begin(), recentlyRefused_.end(), window) !=
           recentlyRefused_.end();
}

}  // namespace tal
