// A kiosk left alone after a visit: the warning, its countdown, the reset, and input that keeps
// the visit going. The input is sent with SendInput, which the kiosk sees through
// GetLastInputInfo as a person's.
#include <windows.h>

#include <chrono>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/ui/IdleWarningWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/WindowHost.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

constexpr char inactivityReset[] = " reset trigger=inactivity ";

// A visitor's mouse, moved by a few pixels: the kiosk takes input that leaves the pointer where it
// was for the system's echo of its own windows.
void MoveMouse() {
    static LONG step = 10;
    step = -step;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = step;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}

// The kiosk's warning window while it is shown.
HWND ShownWarning(DWORD processId) {
    return test_support::FindProcessWindow(processId, [](HWND window) {
        return ::IsWindowVisible(window) && test_support::ClassName(window) == "TAL.IdleWarning";
    });
}

HWND WaitForWarning(test_support::KioskDriver& kiosk) {
    HWND warning = nullptr;
    test_support::WaitFor(
        [&] { return (warning = ShownWarning(kiosk.program().processId())) != nullptr; }, 15s);
    return warning;
}

bool HasInactivityReset(const test_support::KioskDriver& kiosk) {
    return kiosk.log().find(inactivityReset) != std::string::npos;
}

// The warning shows after the first input; a move a few hundred milliseconds after it appears,
// while the system may still be answering the new window with input of its own, takes it away;
// the second warning counts down and the visit ends with the reset.
TEST(InactivityResetTest, AMoveAsTheWarningAppearsPutsTheResetOffThenTheKioskResets) {
    const std::string settings =
        "[CONFIG]\r\nStartPage=about:blank\r\nIdleReset=6\r\nIdleWarning=3\r\n";
    // At rest where the windows appear, for the system to answer their appearing with input.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2);
    test_support::KioskDriver kiosk(&settings);
    ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
    const test_support::TemporaryFolder folder;
    const test_support::WindowHost foreign(TAL_WINDOW_HOST_EXE, folder, "foreign",
                                           "TalForeignEditor|Foreign|1");
    ASSERT_TRUE(foreign.waitUntilReady());

    test_support::PumpFor(2500ms);
    MoveMouse();
    HWND warning = WaitForWarning(kiosk);
    ASSERT_NE(warning, nullptr) << "no warning after the visitor left";
    test_support::PumpFor(300ms);
    MoveMouse();
    EXPECT_TRUE(test_support::WaitFor([&] { return !::IsWindowVisible(warning); }, 5s))
        << "the warning stays after input";
    ASSERT_FALSE(HasInactivityReset(kiosk)) << "the move was lost: " << kiosk.log();

    warning = WaitForWarning(kiosk);
    ASSERT_NE(warning, nullptr) << "no warning after the second input";
    const std::string countdown =
        test_support::WindowText(::GetDlgItem(warning, kiosk_ui::countdownId));
    EXPECT_TRUE(std::regex_match(countdown, std::regex("あと [123] 秒"))) << countdown;
    HWND button = ::GetDlgItem(warning, kiosk_ui::continueButtonId);
    EXPECT_EQ(test_support::WindowText(button), "続ける");
    EXPECT_TRUE(test_support::WaitFor([&] { return test_support::IsDrawn(button); }, 5s))
        << "drawn above the full-screen window";
    RECT rect{};
    ::GetWindowRect(warning, &rect);
    test_support::SaveScreenshot("idle-warning", rect);

    ASSERT_TRUE(test_support::WaitFor([&] { return HasInactivityReset(kiosk); }, 15s))
        << "the warning's own appearing under the resting pointer holds the reset off: "
        << kiosk.log();
    EXPECT_EQ(ShownWarning(kiosk.program().processId()), nullptr)
        << "the warning goes with the reset";
    EXPECT_TRUE(foreign.waitForExit(5s)) << "the window opened since start-up is closed";
    EXPECT_TRUE(kiosk.close());
}

}  // namespace
}  // namespace tal
