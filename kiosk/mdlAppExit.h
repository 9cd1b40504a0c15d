#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace tal {

// The window guard: records the windows that stand when the kiosk starts, and later asks every
// visible, titled window that came after them to go away.
class mdlAppExit {
public:
    // `kioskProcessId`: the kiosk's own process, whose windows are closed, never quit.
    mdlAppExit(platform::Desktop& desktop, std::uint32_t kioskProcessId);

    void TakeWindowSnapshot();
    void CloseForeignWindows();

    // The enumeration callbacks; each returns true so that every window is visited.
    bool CountWindowsProc(platform::WindowHandle window);
    bool SnapshotWindowsProc(platform::WindowHandle window);
    bool CloseWindowsProc(platform::WindowHandle window);

    // Classes that are asked to close (WM_CLOSE) rather than made to quit (WM_QUIT).
    std::vector<std::string> CloseClassNames;
    std::size_t StartupWindowCount = 0;
    // The snapshot; a slot the filling pass did not reach keeps 0, which matches no window.
    std::vector<platform::WindowHandle> StartupWindows;
    std::size_t StartupWindowIndex = 0;

private:
    std::string WindowTitle(platform::WindowHandle window);
    // Visible and titled.
    bool IsQualifying(platform::WindowHandle window);
    bool IsInSnapshot(platform::WindowHandle window) const;

    platform::Desktop& desktop_;
    std::uint32_t kioskProcessId_;
    // StartupWindows sorted, for the look-up of every close pass.
    std::vector<platform::WindowHandle> sortedSnapshot_;
};

}  // namespace tal
