// The kiosk's start-up, checked through the calls it makes.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/Settings.h"
#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::UnorderedElementsAreArray;

class KioskStartTest : public testing::Test, protected fakes::KioskFixture {};

TEST_F(KioskStartTest, WithoutASettingsFileTheKioskCoversTheScreenWithTheDefaultPage) {
    kiosk.start();

    // Every key is read (the log records the settings in effect); reads aside, these calls.
    std::vector<std::string> others;
    std::set<std::string> reads;
    for (const std::string& call : log.calls) {
        if (call.starts_with("GetPrivateProfileString CONFIG ")) {
            reads.insert(call.substr(31));
        } else {
            others.push_back(call);
        }
    }
    std::set<std::string> keys;
    for (const Setting& setting : settings::all) {
        keys.emplace(setting.key);
    }
    EXPECT_EQ(reads, keys);
    const std::string emulation =
        "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
    const std::string gpu =
        "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_GPU_RENDERING";
    const std::vector<std::string> expected{"FindWindow (null) \"Rx7300\"",
                                            "RegCreateKey " + emulation,
                                            "RegSetValueEx TAL.exe 4 4",
                                            "RegCloseKey " + emulation,
                                            "RegCreateKey " + gpu,
                                            "RegSetValueEx TAL.exe 4 4",
                                            "RegCloseKey " + gpu,
                                            "CreateBrowser with features",
                                            "EnumWindows",
                                            "EnumWindows",
                                            "Window.Height 15360",
                                            "Window.Width 19200",
                                            "Window.Top 0",
                                            "Window.Left 0",
                                            "Browser.Height 15360",
                                            "Browser.Width 19200",
                                            "Browser.Top 0",
                                            "Browser.Left 0",
                                            "Navigate https://www.wikipedia.org/",
                                            "Timer.Interval 1000"};
    EXPECT_THAT(others, UnorderedElementsAreArray(expected));
    EXPECT_FALSE(profile.exists(settingsPath)) << "start-up writes nothing";
    EXPECT_EQ(pump.passes, 0);
}

// The lockdown calls that follow the settings reads, in order, on a desktop with this taskbar.
using LockdownCalls = std::vector<std::string> (*)(platform::WindowHandle taskBar);

std::vector<std::string> Nothing(platform::WindowHandle) {
    return {};
}
std::vector<std::string> HideTaskBar(platform::WindowHandle taskBar) {
    return {"FindWindow Shell_TrayWnd \"\"", "ShowWindow " + std::to_string(taskBar) + " 0"};
}
std::vector<std::string> DisableContextMenu(platform::WindowHandle) {
    return {"RegCreateKey Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
            "RegSetValueEx NoBrowserContextMenu 4 4",
            "RegCloseKey Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"};
}
std::vector<std::string> HideToolbar(platform::WindowHandle) {
    return {"RegOpenKey Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser",
            "RegCreateKey Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser",
            "RegSetValueEx ITBarLayout 3 564",
            "RegCloseKey Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser"};
}

struct LockdownCase {
    const char* key;
    const char* value;
    LockdownCalls calls;
};

std::vector<std::string> DisableTaskManager(platform::WindowHandle) {
    return {"RegCreateKey Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
            "RegSetValueEx DisableTaskMgr 4 4",
            "RegCloseKey Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"};
}

class KioskLockdownTest : public KioskStartTest,
                          public testing::WithParamInterface<LockdownCase> {};

TEST_P(KioskLockdownTest, EachKeyRunsItsOperationOnlyForItsWord) {
    const platform::WindowHandle taskBar = desktop.addWindow({0, "", "Shell_TrayWnd", true, 7});
    setting(GetParam().key, GetParam().value);
    kiosk.start();

    // The browser's own registry values come before the control, the lockdown after it.
    std::vector<std::string> lockdownCalls;
    const auto created =
        std::find(log.calls.begin(), log.calls.end(), "CreateBrowser with features");
    ASSERT_NE(created, log.calls.end());
    for (const std::string& call : std::vector<std::string>(created, log.calls.end())) {
        if (!call.starts_with("GetPrivateProfileString") &&
            !call.starts_with("FindWindow (null)") && call != "EnumWindows" &&
            (call.starts_with("Find") || call.starts_with("Show") || call.starts_with("Reg"))) {
            lockdownCalls.push_back(call);
        }
    }
    EXPECT_EQ(lockdownCalls, GetParam().calls(taskBar))
        << GetParam().key << "=" << GetParam().value;
    EXPECT_EQ(registry.openKeys(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KioskLockdownTest,
    testing::Values(
        LockdownCase{"TaskBarHide", "on", HideTaskBar},
        LockdownCase{"TaskBarHide", "ON", HideTaskBar}, LockdownCase{"TaskBarHide", "off", Nothing},
        LockdownCase{"TaskBarHide", "", Nothing}, LockdownCase{"TaskBar", "off", HideTaskBar},
        LockdownCase{"TaskBar", "OFF", HideTaskBar}, LockdownCase{"TaskBar", "on", Nothing},
        LockdownCase{"TaskBar", "", Nothing}, LockdownCase{"TaskBar", "no", Nothing},
        LockdownCase{"TaskManager", "off", DisableTaskManager},
        LockdownCase{"TaskManager", "Off", DisableTaskManager},
        LockdownCase{"TaskManager", "on", Nothing}, LockdownCase{"TaskManager", "", Nothing},
        LockdownCase{"ContextMenu", "off", DisableContextMenu},
        LockdownCase{"ContextMenu", "Off", DisableContextMenu},
        LockdownCase{"ContextMenu", "on", Nothing}, LockdownCase{"ContextMenu", "", Nothing},
        LockdownCase{"ToolBar", "off", HideToolbar}, LockdownCase{"ToolBar", "OFF", HideToolbar},
        LockdownCase{"ToolBar", "on", Nothing}, LockdownCase{"ToolBar", "", Nothing}));

TEST_F(KioskStartTest, AllFourSwitchesRunInTheirOrderAndTheTaskBarIsHiddenTwice) {
    const platform::WindowHandle taskBar = desktop.addWindow({0, "", "Shell_TrayWnd", true, 7});
    setting("TaskBarHide", "on");
    setting("TaskBar", "off");
    setting("ContextMenu", "off");
    setting("ToolBar", "off");
    kiosk.start();

    const auto position = [&](const std::string& call) {
        return std::find(log.calls.begin(), log.calls.end(), call) - log.calls.begin();
    };
    EXPECT_EQ(log.startingWith("ShowWindow").size(), 2U);
    EXPECT_LT(position("GetPrivateProfileString CONFIG TaskBarHide"),
              position("FindWindow Shell_TrayWnd \"\""));
    EXPECT_LT(position("RegSetValueEx NoBrowserContextMenu 4 4"),
              position("GetPrivateProfileString CONFIG ToolBar"));
    EXPECT_LT(position("RegSetValueEx ITBarLayout 3 564"),
              position("GetPrivateProfileString CONFIG WaitToStart"));
    EXPECT_FALSE(desktop.window(taskBar)->visible);
}

TEST_F(KioskStartTest, MalformedAllowedSitesAreLoggedInUtf8WithWhatIsLeftAllowed) {
    setting("AllowedSites", "caf\xE9.example  www.city.example.jp/");
    kiosk.start();
    const std::string text = logStorage.text("C:\\Kiosk\\TAL.log");
    EXPECT_NE(text.find(" AllowedSites=\"caf\u00E9.example  www.city.example.jp/\""),
              std::string::npos)
        << "the start line's settings go from the code page to UTF-8";
    EXPECT_NE(text.find(" TAL allowed-sites-malformed count=2 patterns=\"caf\u00E9.example "
                        "www.city.example.jp/\" allows=start-page-only\r\n"),
              std::string::npos)
        << text;
}

TEST_F(KioskStartTest, AForeignProgramStopsStartUpBeforeAnythingIsRead) {
    for (const auto& window : {fakes::FakeWindow{0, "Rx7300", "Other", false, 9},
                               fakes::FakeWindow{0, "RX7300", "Other", true, 9},
                               fakes::FakeWindow{0, "rx7300", "Other", true, 9}}) {
        fakes::KioskFixture fixture;
        const platform::WindowHandle taskBar =
            fixture.desktop.addWindow({0, "", "Shell_TrayWnd", true, 7});
        fixture.desktop.addWindow(window);
        fixture.setting("TaskBar", "off");
        fixture.setting("ContextMenu", "off");
        fixture.kiosk.start();

        EXPECT_THAT(fixture.log.calls, ElementsAre("FindWindow (null) \"Rx7300\"", "Close"))
            << window.title;
        EXPECT_TRUE(fixture.desktop.window(taskBar)->visible);
        EXPECT_FALSE(fixture.registry.keyExists(
            "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"));
    }
}

TEST_F(KioskStartTest, SimilarTitlesDoNotStopStartUp) {
    desktop.addWindow({0, "Rx7300 ", "Other", true, 9});
    desktop.addWindow({0, "Rx730", "Other", true, 9});
    kiosk.start();
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.navigatedTo, "https://www.wikipedia.org/");
}

struct StartPageCase {
    std::string stored;
    bool present;
    std::string navigated;
};

class KioskStartPageTest : public KioskStartTest,
                           public testing::WithParamInterface<StartPageCase> {};

TEST_P(KioskStartPageTest, NavigatesToTheStoredPageWhole) {
    if (GetParam().present) {
        setting("StartPage", GetParam().stored);
    }
    kiosk.start();
    EXPECT_EQ(view.navigatedTo, GetParam().navigated);
    EXPECT_EQ(view.navigations, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, KioskStartPageTest,
    testing::Values(StartPageCase{"", false, "https://www.wikipedia.org/"},
                    StartPageCase{"", true, ""},
                    StartPageCase{"http://kiosk.example/", true, "http://kiosk.example/"},
                    StartPageCase{"http://kiosk.example/" + std::string(280, 'q'), true,
                                  "http://kiosk.example/" + std::string(280, 'q')}));

struct InitButtonCase {
    const char* value;
    bool shown;
};

class KioskReturnButtonTest : public KioskStartTest,
                              public testing::WithParamInterface<InitButtonCase> {};

TEST_P(KioskReturnButtonTest, TheButtonWindowAppearsForOnInAnyLetterCase) {
    setting("InitButton", GetParam().value);
    kiosk.start();
    EXPECT_EQ(log.startingWith("Show ReturnButton").size(), GetParam().shown ? 1U : 0U)
        << GetParam().value;
    if (GetParam().shown) {
        EXPECT_EQ(log.calls.back(), "Show ReturnButton");
    }
}

INSTANTIATE_TEST_SUITE_P(Words, KioskReturnButtonTest,
                         testing::Values(InitButtonCase{"on", true}, InitButtonCase{"ON", true},
                                         InitButtonCase{"On", true}, InitButtonCase{"off", false},
                                         InitButtonCase{"", false}, InitButtonCase{"yes", false}));

TEST_F(KioskStartTest, TheStartUpWaitComesBetweenTheLockdownAndTheSnapshot) {
    setting("WaitToStart", "2.5");
    setting("ToolBar", "off");
    clock.now = 1000;
    std::vector<std::size_t> callsAtPass;
    pump.onPass = [&] { callsAtPass.push_back(log.calls.size()); };
    kiosk.start();

    ASSERT_FALSE(callsAtPass.empty());
    EXPECT_EQ(clock.now, 3500U);
    const std::size_t waitReadAt = std::find(log.calls.begin(), log.calls.end(),
                                             "GetPrivateProfileString CONFIG WaitToStart") -
                                   log.calls.begin();
    EXPECT_EQ(callsAtPass.front(), waitReadAt + 1);
    EXPECT_EQ(log.calls[callsAtPass.front()], "GetPrivateProfileString CONFIG StartPage");
}

TEST_F(KioskStartTest, ClosedDuringTheStartUpWaitItGoesNoFurther) {
    setting("WaitToStart", "1e308");
    setting("InitButton", "on");
    pump.onPass = [this] { kiosk.onClosed(); };
    kiosk.start();

    EXPECT_EQ(pump.passes, 1);
    EXPECT_EQ(log.calls.back(), "GetPrivateProfileString CONFIG WaitToStart")
        << "no snapshot, no layout, no navigation, no timer, no button";
}

TEST_F(KioskStartTest, TheTimerIsArmedAfterNavigation) {
    kiosk.start();
    const auto navigate =
        std::find(log.calls.begin(), log.calls.end(), "Navigate https://www.wikipedia.org/");
    ASSERT_NE(navigate, log.calls.end());
    EXPECT_EQ(*(navigate + 1), "Timer.Interval 1000");
}

TEST_F(KioskStartTest, FocusOnTheBrowserEnablesTheTimer) {
    kiosk.onBrowserFocus();
    EXPECT_THAT(log.calls, ElementsAre("Timer.Enabled True"));
}

}  // namespace
}  // namespace tal
