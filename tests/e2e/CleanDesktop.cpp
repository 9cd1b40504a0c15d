#include "tests/e2e/CleanDesktop.h"

#include <stdexcept>

#include "tests/support/KioskDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal::test_support {

CleanDesktop::CleanDesktop() {
    DeleteLockdownValues();
    taskBar_ = WaitForTaskBar();
    if (taskBar_ == nullptr) {
        throw std::runtime_error("the desktop has no taskbar");
    }
    ::ShowWindow(taskBar_, SW_SHOWNORMAL);
}

CleanDesktop::~CleanDesktop() {
    ::ShowWindow(taskBar_, SW_SHOWNORMAL);
    DeleteLockdownValues();
}

void DeleteLockdownValues() {
    DeleteUserValue(policyKey, "NoBrowserContextMenu");
    DeleteUserValue(toolbarKey, "ITBarLayout");
}

}  // namespace tal::test_support
