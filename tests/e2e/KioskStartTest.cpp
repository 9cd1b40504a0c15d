// TAL.exe started for real and looked at from outside.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/ExitCodes.h"
#include "tests/e2e/CleanDesktop.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::KioskDriver;
using test_support::policyKey;
using test_support::toolbarKey;

const std::string lockdownSettings =
    "[CONFIG]\r\nStartPage=about:blank\r\nTaskBar=off\r\nContextMenu=off\r\nToolBar=off\r\n";

class KioskStartTest : public testing::Test {
protected:
    test_support::CleanDesktop desktop;
    HWND taskBar = desktop.taskBar();

    bool lockdownValuesAbsent() const {
        return !test_support::ReadUserValue(policyKey, "NoBrowserContextMenu") &&
               !test_support::ReadUserValue(toolbarKey, "ITBarLayout");
    }
};

TEST_F(KioskStartTest, WithoutSettingsABorderlessWindowCoversTheScreenAndNothingIsLocked) {
    KioskDriver kiosk(nullptr);
    HWND window = kiosk.waitForMainWindow(20s);
    ASSERT_NE(window, nullptr);

    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "no caption bar";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_SYSMENU), 0) << "no frame, no system menu";
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0) << "an ordinary window";
    EXPECT_NE(::GetWindow(window, GW_OWNER), nullptr) << "owned: no taskbar button";
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);

    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN));

    EXPECT_TRUE(::IsWindowVisible(taskBar));
    EXPECT_TRUE(lockdownValuesAbsent());
    test_support::SaveScreenshot("kiosk");
    EXPECT_TRUE(kiosk.close());
    EXPECT_EQ(kiosk.program().exitCode(), 0U);
}

TEST_F(KioskStartTest, TheLockdownHidesTheTaskbarAndWritesBothValuesOnceForAll) {
    std::optional<test_support::StoredValue> firstLayout;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "first start" : "second start");
        KioskDriver kiosk(&lockdownSettings);
        ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
        EXPECT_TRUE(test_support::WaitFor([&] { return !::IsWindowVisible(taskBar); }, 5s));

        const auto policy = test_support::ReadUserValue(policyKey, "NoBrowserContextMenu");
        ASSERT_TRUE(policy.has_value());
        EXPECT_EQ(policy->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(policy->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

        const auto layout = test_support::ReadUserValue(toolbarKey, "ITBarLayout");
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->type, static_cast<DWORD>(REG_BINARY));
        ASSERT_EQ(layout->data.size(), 564U);
        EXPECT_EQ(layout->data[24], 0);
        if (firstLayout) {
            EXPECT_EQ(layout->data, firstLayout->data) << "byte for byte the same";
        }
        firstLayout = layout;

        EXPECT_TRUE(kiosk.close());
        EXPECT_FALSE(::IsWindowVisible(taskBar)) << "closing the kiosk restores nothing";
    }
}

TEST_F(KioskStartTest, TheForeignProgramsWindowStopsTheKioskBeforeItChangesAnything) {
    // Hidden and in other letters: the system's search still finds it.
    HWND foreign = ::CreateWindowExA(0, "STATIC", "rx7300", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    KioskDriver kiosk(&lockdownSettings);
    EXPECT_TRUE(kiosk.program().hasExited(10s));
    EXPECT_EQ(kiosk.program().exitCode(), static_cast<DWORD>(exit_code::kioskRefused))
        << "the watchdog tries again later instead of counting a crash";
    EXPECT_EQ(kiosk.program().findWindow(test_support::kioskTitle), nullptr);
    EXPECT_TRUE(::IsWindowVisible(taskBar));
    EXPECT_TRUE(lockdownValuesAbsent());
    ::DestroyWindow(foreign);
}

TEST_F(KioskStartTest, TheStartUpWaitDelaysTheWindow) {
    const std::string settings = "[CONFIG]\r\nStartPage=about:blank\r\nWaitToStart=2.5\r\n";
    const auto started = std::chrono::steady_clock::now();
    KioskDriver kiosk(&settings);
    ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 2500ms);
}

TEST(KioskSwitchesTest, TheBrowserModeAndTheTaskManagerSwitchWriteTheirValuesForThisCopy) {
    const std::string featureControl =
        "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\";
    const std::string emulation = featureControl + "FEATURE_BROWSER_EMULATION";
    const std::string gpu = featureControl + "FEATURE_GPU_RENDERING";
    const std::string system = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    const auto dword = [](std::uint32_t value) {
        return std::optional<std::vector<std::uint8_t>>(
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
    };
    const auto stored = [](const std::string& key, const std::string& name) {
        const auto value = test_support::ReadUserValue(key, name);
        return value && value->type == REG_DWORD ? std::optional(value->data) : std::nullopt;
    };
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char* fileName;
        const char* settings;
        std::optional<std::vector<std::uint8_t>> emulation, gpu, taskManager;
    } cases[] = {
        {"TAL-modern.exe", "", dword(11001), dword(1), none},
        {"TAL-legacy.exe", "BrowserMode=legacy\r\nTaskManager=off\r\n", none, none, dword(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        const std::string settings =
            std::string("[CONFIG]\r\nStartPage=about:blank\r\n") + c.settings;
        // The prefix is shared: the values go again, whatever happens.
        const struct Forget {
            std::string fileName, emulation, gpu, system;
            ~Forget() {
                test_support::DeleteUserValue(emulation, fileName);
                test_support::DeleteUserValue(gpu, fileName);
                test_support::DeleteUserValue(system, "DisableTaskMgr");
            }
        } forget{c.fileName, emulation, gpu, system};
        KioskDriver kiosk(&settings, c.fileName);
        ASSERT_NE(kiosk.waitForMainWindow(20s), nullptr);
        EXPECT_EQ(stored(emulation, c.fileName), c.emulation);
        EXPECT_EQ(stored(gpu, c.fileName), c.gpu);
        EXPECT_EQ(stored(system, "DisableTaskMgr"), c.taskManager);
        EXPECT_TRUE(kiosk.close());
    }
}

TEST(KioskStartFailureTest, WithoutTheBrowserControlOneErrorBoxSaysSoAndTheKioskFails) {
    // Wine's overrides for one program, by its file name: this copy cannot load the browser
    // control's library, so the control's class cannot be created.
    const std::string name = "TAL-without-browser.exe";
    const std::string overrides = "Software\\Wine\\AppDefaults\\" + name + "\\DllOverrides";
    test_support::WriteUserValue(overrides, "ieframe", REG_SZ, {0});
    const std::string settings = "[CONFIG]\r\nStartPage=about:blank\r\n";
    test_support::ProgramUnderTest kiosk(test_support::WindowsPathOf(TAL_KIOSK_EXE), &settings,
                                         name);
    kiosk.start();

    HWND box = kiosk.waitForWindow("エラー", 20s);
    test_support::DeleteUserValue(overrides, "ieframe");
    ASSERT_NE(box, nullptr) << "an error box titled エラー";
    const std::string text = test_support::WindowText(::GetDlgItem(box, 0xFFFF));
    EXPECT_THAT(text, testing::MatchesRegex(
                          "ブラウザーを作成できませんでした。\\(0x\\w\\w\\w\\w\\w\\w\\w\\w\\)"));
    EXPECT_EQ(kiosk.findWindow(test_support::kioskTitle), nullptr) << "no blank screen";
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(kiosk.hasExited(10s)) << "no second box";
    EXPECT_NE(kiosk.exitCode(), 0U);
}

}  // namespace
}  // namespace tal
