#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/SessionSnapshot.h"

namespace tal {

// The window guard: records the windows that stand when the kiosk starts, and later asks every
// visible, titled window that came after them to go away.
class WindowGuard {
public:
    // `kioskProcessId`: the kiosk's own process, whose windows are closed, never quit. `kept`: the
    // session's kept snapshot; none: every kiosk takes its own.
    WindowGuard(platform::Desktop& desktop, std::uint32_t kioskProcessId,
                platform::SessionSnapshot* kept = nullptr);

    // Takes over the snapshot that the first kiosk of the session kept, so that the windows opened
    // before a crash or a close stay foreign. Else records the visible, titled windows of this
    // moment and keeps them for the kiosks that follow; a window that begins to qualify while the
    // snapshot is taken stays out of it.
    void takeSnapshot();
    // Posts WM_CLOSE to browser, folder and console windows and to the kiosk's own, WM_QUIT to
    // every other visible, titled window outside the snapshot. Returns how many were asked.
    std::size_t closeForeignWindows();

    // The windows recorded at start-up.
    std::size_t snapshotSize() const { return snapshot_.size(); }

private:
    std::string windowTitle(platform::WindowHandle window);
    // Visible and titled.
    bool isQualifying(platform::WindowHandle window);
    bool isInSnapshot(platform::WindowHandle window) const;
    // Posts the message that makes `window` go, unless it is spared; true when one was posted.
    bool closeIfForeign(platform::WindowHandle window);

    platform::Desktop& desktop_;
    std::uint32_t kioskProcessId_;
    platform::SessionSnapshot* kept_;
    std::vector<std::string> closeClassNames_;
    // Sorted, for the look-up of every close pass.
    std::vector<platform::WindowHandle> snapshot_;
};

}  // namespace tal
