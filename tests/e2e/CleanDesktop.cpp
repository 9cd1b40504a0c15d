#include "tests/e2e/CleanDesktop.h"

#include <stdexcept>

#include "tests/e2e/KioskDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal::test_support {

CleanDesktop::CleanDesktop()
    : keeper_(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr)) {
    DeleteLockdownValues();
    taskBar_ = WaitForTaskBar();
    if (taskBar_ == nullptr) {
        ::DestroyWindow(keeper_);
        throw std::runtime_error("the desktop has no taskbar");
    }
    ::ShowWindow(taskBar_, SW_SHOWNORMAL);
}

CleanDesktop::~CleanDesktop() {
    ::ShowWindow(taskBar_, SW_SHOWNORMAL);
    DeleteLockdownValues();
    ::DestroyWindow(keeper_);
}

void DeleteLockdownValues() {
    DeleteUserValue(policyKey, "NoBrowserContextMenu");
    DeleteUserValue(toolbarKey, "ITBarLayout");
}

}  // namespace tal::test_support
