// Loading the settings into the dialog, with the settings tool's own defaults.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/unit/frmSettingFixture.h"

namespace tal {
namespace {

struct TimeCase {
    std::optional<std::string> stored;  // nothing: the key is absent
    std::string hour;
    std::string minute;
};

class LoadTimeTest : public frmSettingFixture<testing::TestWithParam<TimeCase>> {};

TEST_P(LoadTimeTest, SplitsTheStoredTimeWithoutCheckingIt) {
    if (GetParam().stored) {
        store("TimeToShutdown", *GetParam().stored);
    }
    form.Form_Load();
    EXPECT_EQ(view.texts[TextControl::cmbShutdownHour], GetParam().hour);
    EXPECT_EQ(view.texts[TextControl::cmbShutdownMin], GetParam().minute);
}

INSTANTIATE_TEST_SUITE_P(Values, LoadTimeTest,
                         testing::Values(TimeCase{"07:30", "07", "30"}, TimeCase{"", "", ""},
                                         TimeCase{"7:30", "7:", "0"}, TimeCase{"7", "7", ""},
                                         TimeCase{"07:3", "07", "3"},
                                         TimeCase{std::nullopt, "18", "00"}));

struct FlagCase {
    CheckControl box;
    std::string key;
    std::optional<std::string> stored;  // nothing: the key is absent
    bool checked;
};

class LoadFlagTest : public frmSettingFixture<testing::TestWithParam<FlagCase>> {};

TEST_P(LoadFlagTest, ChecksTheBoxOnlyForItsWordInAnyCase) {
    if (GetParam().stored) {
        store(GetParam().key, *GetParam().stored);
    }
    view.checks[GetParam().box] = !GetParam().checked;
    form.Form_Load();
    EXPECT_EQ(view.checks[GetParam().box], GetParam().checked);
}

std::vector<FlagCase> FlagCases() {
    std::vector<FlagCase> cases;
    for (const char* word : {"on", "ON", "On"}) {
        cases.push_back({CheckControl::chkBackButton, "InitButton", word, true});
    }
    for (const char* word : {"off", "", "yes", "on "}) {
        cases.push_back({CheckControl::chkBackButton, "InitButton", word, false});
    }
    cases.push_back({CheckControl::chkBackButton, "InitButton", std::nullopt, true});
    const std::vector<std::pair<CheckControl, std::string>> offBoxes{
        {CheckControl::chkTaskBar, "TaskBar"},
        {CheckControl::chkContextMenu, "ContextMenu"},
        {CheckControl::chkToolBar, "ToolBar"}};
    for (const auto& [box, key] : offBoxes) {
        for (const char* word : {"off", "OFF", "Off"}) {
            cases.push_back({box, key, word, true});
        }
        for (const char* word : {"on", "", "no", "of"}) {
            cases.push_back({box, key, word, false});
        }
        cases.push_back({box, key, std::nullopt, true});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Words, LoadFlagTest, testing::ValuesIn(FlagCases()));

using LoadTest = frmSettingFixture<>;

TEST_F(LoadTest, WithoutAFileShowsTheToolsDefaultsAndWritesNothing) {
    form.Form_Load();
    EXPECT_EQ(view.texts[TextControl::txtStartPage], "https://www.wikipedia.org/");
    EXPECT_EQ(view.texts[TextControl::cmbShutdownHour], "18");
    EXPECT_EQ(view.texts[TextControl::cmbShutdownMin], "00");
    for (const CheckControl box : {CheckControl::chkBackButton, CheckControl::chkTaskBar,
                                   CheckControl::chkContextMenu, CheckControl::chkToolBar}) {
        EXPECT_TRUE(view.checks[box]);
    }
    EXPECT_FALSE(profile.exists(path));
    EXPECT_TRUE(log.startingWith("WritePrivateProfileString").empty());
}

TEST_F(LoadTest, ShowsTheStartPageAsStoredEvenEmptyOrLong) {
    store("StartPage", "");
    form.Form_Load();
    EXPECT_EQ(view.texts[TextControl::txtStartPage], "");

    const std::string longPage = "http://kiosk.example/" + std::string(300, 'a');
    store("StartPage", longPage);
    form.Form_Load();
    EXPECT_EQ(view.texts[TextControl::txtStartPage], longPage);
}

TEST_F(LoadTest, KeepsTheFileOfTheProgramFolderItFoundAtLoad) {
    form.Form_Load();
    process.path = "D:\\Elsewhere";
    form.cmdClose_Click();
    EXPECT_EQ(stored("StartPage"), "https://www.wikipedia.org/");
    EXPECT_FALSE(profile.exists("D:\\Elsewhere\\TAL.ini"));
}

}  // namespace
}  // namespace tal
