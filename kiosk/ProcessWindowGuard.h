#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "kiosk/RefusalLog.h"
#include "platform/Types.h"

namespace tal {

// Decides about every top-level window that appears in the kiosk's process, whichever thread
// creates it: a dialog that the kiosk did not open itself goes (each a way to a file browser),
// with one `refused-window` line per window; a class that WindowClassRules does not know stays
// and is logged once (`unknown-window`).
class ProcessWindowGuard {
public:
    explicit ProcessWindowGuard(RefusalLog& log) : log_(log) {}

    // `window` is being created or was shown. `openedByKiosk` tells whether it is one of the
    // kiosk's own boxes; it is asked only about a window of a refused class, and may claim it
    // as the box it waits for. True: the window must go.
    bool refuses(platform::WindowHandle window, std::string_view className, std::string_view title,
                 const std::function<bool()>& openedByKiosk);

private:
    bool refusedRecently(platform::WindowHandle window) const;

    RefusalLog& log_;
    // Lower-cased.
    std::set<std::string> unknownClassesLogged_;
    // A window is seen more than once (created, then shown): the last ones refused, so that each
    // is logged once.
    std::array<platform::WindowHandle, 16> recentlyRefused_{};
    std::size_t nextRecent_ = 0;
};

}  // namespace tal
