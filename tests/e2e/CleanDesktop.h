#pragma once

#include <windows.h>

#include "tests/support/DesktopWindows.h"

namespace tal::test_support {

// The desktop as the kiosk's lockdown finds it on a fresh machine: the taskbar shown and neither
// lockdown value in the registry; so again when the test ends. Keeps Wine's desktop process, which
// owns the taskbar, running meanwhile.
class CleanDesktop {
public:
    CleanDesktop();
    ~CleanDesktop();
    CleanDesktop(const CleanDesktop&) = delete;
    CleanDesktop& operator=(const CleanDesktop&) = delete;

    HWND taskBar() const { return taskBar_; }

private:
    DesktopKeeper keeper_;
    HWND taskBar_ = nullptr;
};

void DeleteLockdownValues();

}  // namespace tal::test_support
