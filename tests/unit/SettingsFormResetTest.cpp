// The state reset that undoes the kiosk's desktop lockdown.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kiosk/Lockdown.h"
#include "tests/unit/SettingsFormFixture.h"

namespace tal {
namespace {

const std::string policyKey = "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const std::string toolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const std::string systemKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

class ResetTest : public SettingsFormFixture<> {
protected:
    platform::WindowHandle taskBar = 0;

    // The desktop as the kiosk's lockdown leaves it, with neighbours that must survive.
    void lockDown() {
        taskBar = desktop.addWindow({0, "", "Shell_TrayWnd", false, 100});
        registry.setValueDirectly(policyKey, "NoBrowserContextMenu",
                                  {platform::registry_type::dword, {1, 0, 0, 0}});
        registry.setValueDirectly(policyKey, "NoOther", {platform::registry_type::dword, {1}});
        registry.setValueDirectly(
            toolbarKey, "ITBarLayout",
            {platform::registry_type::binary, std::vector<std::uint8_t>(564)});
        registry.setValueDirectly(toolbarKey, "Other", {platform::registry_type::binary, {7}});
        registry.setValueDirectly(systemKey, "DisableTaskMgr",
                                  {platform::registry_type::dword, {1, 0, 0, 0}});
        registry.setValueDirectly(systemKey, "NoDispCPL", {platform::registry_type::dword, {1}});
    }

    void expectUnlocked() {
        EXPECT_TRUE(desktop.isWindowVisible(taskBar));
        EXPECT_EQ(registry.value(policyKey, "NoBrowserContextMenu"), std::nullopt);
        EXPECT_EQ(registry.value(toolbarKey, "ITBarLayout"), std::nullopt);
        EXPECT_NE(registry.value(policyKey, "NoOther"), std::nullopt);
        EXPECT_NE(registry.value(toolbarKey, "Other"), std::nullopt);
        EXPECT_EQ(registry.value(systemKey, "DisableTaskMgr"), std::nullopt);
        EXPECT_NE(registry.value(systemKey, "NoDispCPL"), std::nullopt);
        EXPECT_EQ(registry.openKeys(), 0);
    }
};

TEST_F(ResetTest, ShowsTheTaskbarAndDeletesBothValuesClosingEachKeyBeforeTheNext) {
    lockDown();
    form.resetDesktopState();
    expectUnlocked();
    EXPECT_EQ(log.startingWith("ShowWindow"),
              std::vector<std::string>{"ShowWindow " + std::to_string(taskBar) + " 1"});
    const std::vector<std::string> registryCalls{
        "RegCreateKey " + policyKey,  "RegDeleteValue NoBrowserContextMenu",
        "RegCloseKey " + policyKey,   "RegOpenKey " + toolbarKey,
        "RegDeleteValue ITBarLayout", "RegCloseKey " + toolbarKey,
        "RegOpenKey " + systemKey,    "RegDeleteValue DisableTaskMgr",
        "RegCloseKey " + systemKey};
    EXPECT_EQ(log.startingWith("Reg"), registryCalls);
}

TEST_F(ResetTest, TwiceHasTheEffectOfOnce) {
    lockDown();
    form.resetDesktopState();
    form.resetDesktopState();
    expectUnlocked();
    EXPECT_TRUE(messageBoxes.shown.empty());
}

TEST_F(ResetTest, WhereTheKioskNeverRanCreatesOnlyTheEmptyPolicyKey) {
    form.resetDesktopState();
    EXPECT_TRUE(registry.keyExists(policyKey));
    EXPECT_FALSE(registry.keyExists(toolbarKey));
    EXPECT_TRUE(log.startingWith("ShowWindow").empty());
    EXPECT_EQ(registry.openKeys(), 0);
}

TEST_F(ResetTest, LeavesTheSettingsFileAndTheDialogAlone) {
    lockDown();
    store("TaskBar", "off");
    form.load();
    const auto before = profile.contents(path);
    log.calls.clear();
    form.resetDesktopState();
    EXPECT_EQ(profile.contents(path), before);
    EXPECT_TRUE(log.startingWith("GetPrivateProfileString").empty());
    EXPECT_TRUE(log.startingWith("WritePrivateProfileString").empty());
    EXPECT_FALSE(view.closed);
}

TEST_F(ResetTest, EachStepRunsWhenTheOneBeforeFailed) {
    lockDown();
    registry.fail("RegCreateKey");
    form.resetDesktopState();
    EXPECT_TRUE(desktop.isWindowVisible(taskBar));
    EXPECT_NE(registry.value(policyKey, "NoBrowserContextMenu"), std::nullopt);
    EXPECT_EQ(registry.value(toolbarKey, "ITBarLayout"), std::nullopt);
}

struct StartButtonCase {
    platform::WindowsVersion version;
    fakes::FakeWindow window;  // of the taskbar's process 7
    bool hidden;
};

class StartButtonTest : public SettingsFormFixture<testing::TestWithParam<StartButtonCase>> {};

// The kiosk hides the taskbar, the state reset shows it again; on Windows 7 the Start button, a
// window of its own there, goes and comes with it.
TEST_P(StartButtonTest, GoesWithTheTaskBarOnlyOnWindows7) {
    system.version = GetParam().version;
    const platform::WindowHandle other = desktop.addWindow({0, "Start", "Button", true, 9});
    const platform::WindowHandle taskBar = desktop.addWindow({0, "", "Shell_TrayWnd", true, 7});
    const platform::WindowHandle window = desktop.addWindow(GetParam().window);
    HideTaskBar(desktop, system);
    EXPECT_FALSE(desktop.isWindowVisible(taskBar));
    EXPECT_NE(desktop.isWindowVisible(window), GetParam().hidden) << GetParam().window.className;
    EXPECT_TRUE(desktop.isWindowVisible(other)) << "another program's button";
    form.resetDesktopState();
    EXPECT_TRUE(desktop.isWindowVisible(taskBar) && desktop.isWindowVisible(window));
}

const fakes::FakeWindow startButton{0, "スタート", "Button", true, 7};

INSTANTIATE_TEST_SUITE_P(Systems, StartButtonTest,
                         testing::Values(StartButtonCase{{6, 1}, startButton, true},
                                         StartButtonCase{
                                             {6, 1}, {0, "", "Buttons", true, 7}, false},
                                         StartButtonCase{{6, 2}, startButton, false},
                                         StartButtonCase{{10, 0}, startButton, false}));

}  // namespace
}  // namespace tal
