// Both programs started on hostile settings files: each starts, takes the file as the system
// reads it with its own defaults, ends cleanly and leaves the file as it was.
#include <chrono>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/e2e/CleanDesktop.h"
#include "tests/e2e/HostileSettings.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/SettingsToolDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal::test_support {

void PrintTo(const HostileSettings& file, std::ostream* out) {
    *out << file.name;
}

}  // namespace tal::test_support

namespace tal {
namespace {

using namespace std::chrono_literals;
namespace id = settings_dialog;
using test_support::HostileSettings;

std::string CaseName(const testing::TestParamInfo<HostileSettings>& info) {
    return info.param.name;
}

class HostileSettingsToolTest : public testing::TestWithParam<HostileSettings> {};

TEST_P(HostileSettingsToolTest, ShowsTheValuesOrDefaultsAndItsCloseBoxKeepsTheFile) {
    const HostileSettings& file = GetParam();
    test_support::SettingsToolDriver tool(&file.bytes);
    const test_support::DialogView& view = file.dialog;
    if (view.startPage) {
        EXPECT_EQ(tool.text(id::startPage), *view.startPage);
    }
    if (view.hour) {
        EXPECT_EQ(tool.text(id::shutdownHour), *view.hour);
    }
    if (view.minute) {
        EXPECT_EQ(tool.text(id::shutdownMinute), *view.minute);
    }
    EXPECT_EQ(tool.isChecked(id::returnButton), view.backButton);
    EXPECT_EQ(tool.isChecked(id::taskBar), view.taskBar);
    EXPECT_EQ(tool.isChecked(id::contextMenu), view.contextMenu);
    EXPECT_EQ(tool.isChecked(id::toolBar), view.toolBar);

    ::PostMessageW(tool.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(tool.waitForExit());
    EXPECT_EQ(tool.program().exitCode(), 0U);
    EXPECT_TRUE(tool.program().settingsText() == file.bytes) << "the file changed";
}

class HostileKioskTest : public testing::TestWithParam<HostileSettings> {
protected:
    test_support::CleanDesktop desktop;
};

// A dialog window, as message boxes are, of the process.
HWND MessageBoxOf(DWORD processId) {
    return test_support::FindProcessWindow(
        processId, [](HWND window) { return test_support::ClassName(window) == "#32770"; });
}

bool TaskBarHidden(HWND taskBar) {
    return ::IsWindowVisible(taskBar) == FALSE;
}

TEST_P(HostileKioskTest, StartsAsItsDefaultsSayAndEndsCleanly) {
    const HostileSettings& file = GetParam();
    const test_support::KioskOutcome& expected = file.kiosk;
    test_support::KioskDriver kiosk(&file.bytes);

    if (expected.windowAppears) {
        HWND window = kiosk.waitForMainWindow(8s);
        ASSERT_NE(window, nullptr) << "no main window";
        RECT rect{};
        ::GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, ::GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(MessageBoxOf(kiosk.program().processId()), nullptr) << "a message box";
    } else {
        // The lockdown comes before the wait: once it is done, the kiosk is waiting.
        ASSERT_TRUE(test_support::WaitFor([&] { return TaskBarHidden(desktop.taskBar()); }, 8s));
        EXPECT_FALSE(test_support::WaitFor(
            [&] { return kiosk.program().findWindow(test_support::kioskTitle) != nullptr; }, 2s))
            << "the window appeared before the start-up wait was over";
        EXPECT_FALSE(kiosk.program().hasExited(0ms));
    }

    if (expected.taskBarHidden) {
        EXPECT_TRUE(test_support::WaitFor([&] { return TaskBarHidden(desktop.taskBar()); }, 5s));
    } else {
        EXPECT_FALSE(TaskBarHidden(desktop.taskBar()));
    }
    EXPECT_EQ(
        test_support::ReadUserValue(test_support::policyKey, "NoBrowserContextMenu").has_value(),
        expected.contextMenuPolicy);
    EXPECT_EQ(test_support::ReadUserValue(test_support::toolbarKey, "ITBarLayout").has_value(),
              expected.toolbarLayout);

    // A kiosk that is still waiting is closed while it waits, and ends then and there.
    EXPECT_TRUE(kiosk.close());
    EXPECT_EQ(kiosk.program().exitCode(), 0U);
    EXPECT_TRUE(kiosk.program().settingsText() == file.bytes) << "the file changed";
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsToolTest,
                         testing::ValuesIn(test_support::HostileSettingsCorpus()), CaseName);
INSTANTIATE_TEST_SUITE_P(Files, HostileKioskTest,
                         testing::ValuesIn(test_support::HostileSettingsCorpus()), CaseName);

}  // namespace
}  // namespace tal
