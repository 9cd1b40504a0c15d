// The return-to-start button window: where it appears, what a press stores and that it resets.
#include "kiosk/ReturnButton.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeReturnButtonView.h"
#include "tests/fakes/FakeSystemMenu.h"
#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::UnorderedElementsAre;

class ReturnButtonTest : public testing::Test, protected fakes::KioskFixture {
protected:
    fakes::FakeSystemMenu menu{log};
    fakes::FakeReturnButtonView buttonView{log};
    int resets = 0;
    ReturnButton button{ReturnButtonPorts{profile, process, desktop, menu}, buttonView,
                        [this] { ++resets; }};

    void SetUp() override {
        setting("StartPage", "http://start.example/");
        kiosk.start();
        log.calls.clear();
    }
};

TEST_F(ReturnButtonTest, LoadReadsBothPositionsPlacesRaisesAndDisarmsTheWindow) {
    setting("InitButtonX", "3000");
    setting("InitButtonY", "1500");
    button.show();
    const std::string window = std::to_string(buttonView.handle());
    const std::string systemMenu =
        std::to_string(fakes::FakeSystemMenu::menuOf(buttonView.handle()));
    const std::string raise = "SetWindowPos " + window + " HWND_TOPMOST 0 0 0 0 67";
    EXPECT_THAT(log.calls, UnorderedElementsAre(
                               "GetPrivateProfileString CONFIG InitButtonX",
                               "GetPrivateProfileString CONFIG InitButtonY",
                               "ReturnButton.Left 3000", "ReturnButton.Top 1500", raise,
                               "GetSystemMenu " + window, "DeleteMenu " + systemMenu + " 5 1024",
                               "GetSystemMenu " + window, "DeleteMenu " + systemMenu + " 61536 0"));
    // Raising shows the window: it must be in place by then.
    const auto position = [&](const std::string& call) {
        return std::find(log.calls.begin(), log.calls.end(), call) - log.calls.begin();
    };
    EXPECT_LT(position("ReturnButton.Left 3000"), position(raise));
    EXPECT_LT(position("ReturnButton.Top 1500"), position(raise));
}

struct PositionCase {
    std::optional<std::string> stored;
    float twips;
};

class ReturnButtonPositionTest : public ReturnButtonTest,
                                 public testing::WithParamInterface<PositionCase> {};

TEST_P(ReturnButtonPositionTest, AppliesTheStoredNumberOrZero) {
    if (GetParam().stored) {
        setting("InitButtonX", *GetParam().stored);
        setting("InitButtonY", *GetParam().stored);
    }
    button.show();
    EXPECT_FLOAT_EQ(buttonView.x, GetParam().twips);
    EXPECT_FLOAT_EQ(buttonView.y, GetParam().twips);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ReturnButtonPositionTest,
    testing::Values(PositionCase{std::nullopt, 0}, PositionCase{"150.5", 150.5F},
                    PositionCase{"-300", -300}, PositionCase{"abc", 0}, PositionCase{"", 0},
                    PositionCase{"1e40", std::numeric_limits<float>::max()},
                    PositionCase{"-1e40", -std::numeric_limits<float>::max()}));

struct ClickCase {
    float left;
    float top;
    const char* leftText;
    const char* topText;
};

class InitButtonClickTest : public ReturnButtonTest,
                            public testing::WithParamInterface<ClickCase> {};

TEST_P(InitButtonClickTest, StoresThePositionXFirstThenRequestsAReset) {
    button.show();
    buttonView.x = GetParam().left;
    buttonView.y = GetParam().top;
    log.calls.clear();
    button.press();
    EXPECT_THAT(
        log.calls,
        ElementsAre(
            std::string("WritePrivateProfileString CONFIG InitButtonX=") + GetParam().leftText,
            std::string("WritePrivateProfileString CONFIG InitButtonY=") + GetParam().topText));
    EXPECT_EQ(resets, 1);
}

INSTANTIATE_TEST_SUITE_P(Positions, InitButtonClickTest,
                         testing::Values(ClickCase{7020, 1500, "7020", "1500"},
                                         ClickCase{0, 0, "0", "0"},
                                         ClickCase{-300, -150, "-300", "-150"},
                                         ClickCase{150.5F, 22.25F, "150.5", "22.25"}));

TEST_F(ReturnButtonTest, APressWhoseWriteFailsStillRequestsTheReset) {
    button.show();
    profile.failWrites = true;
    button.press();
    EXPECT_THAT(messageBoxes.shown, testing::IsEmpty());
    EXPECT_EQ(resets, 1);
}

TEST_F(ReturnButtonTest, APressKeepsTheOtherSettings) {
    setting("TaskBar", "off");
    setting("InitButton", "on");
    button.show();
    buttonView.x = 450;
    button.press();
    EXPECT_THAT(profile.contents(settingsPath),
                ElementsAre(fakes::FakeProfileFile::Section{"CONFIG",
                                                            {{"StartPage", "http://start.example/"},
                                                             {"TaskBar", "off"},
                                                             {"InitButton", "on"},
                                                             {"InitButtonX", "450"},
                                                             {"InitButtonY", "0"}}}));
}

}  // namespace
}  // namespace tal
