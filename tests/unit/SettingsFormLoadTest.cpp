// Loading the settings into the dialog, with the settings tool's own defaults.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/unit/SettingsFormFixture.h"

namespace tal {
namespace {

struct TimeCase {
    std::optional<std::string> stored;  // nothing: the key is absent
    std::string hour;
    std::string minute;
};

class LoadTimeTest : public SettingsFormFixture<testing::TestWithParam<TimeCase>> {};

TEST_P(LoadTimeTest, SplitsTheStoredTimeWithoutCheckingIt) {
    if (GetParam().stored) {
        store("TimeToShutdown", *GetParam().stored);
    }
    form.load();
    EXPECT_EQ(view.text(TextControl::shutdownHour), GetParam().hour);
    EXPECT_EQ(view.text(TextControl::shutdownMinute), GetParam().minute);
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

class LoadFlagTest : public SettingsFormFixture<testing::TestWithParam<FlagCase>> {};

TEST_P(LoadFlagTest, ChecksTheBoxOnlyForItsWordInAnyCase) {
    if (GetParam().stored) {
        store(GetParam().key, *GetParam().stored);
    }
    view.checks[GetParam().box] = !GetParam().checked;
    form.load();
    EXPECT_EQ(view.checks[GetParam().box], GetParam().checked);
}

std::vector<FlagCase> FlagCases() {
    std::vector<FlagCase> cases;
    for (const char* word : {"on", "ON", "On"}) {
        cases.push_back({CheckControl::returnButton, "InitButton", word, true});
    }
    // A read drops blanks around a value, but keeps those inside quotes: "on " with its blank.
    for (const char* word : {"off", "", "yes", "\"on \""}) {
        cases.push_back({CheckControl::returnButton, "InitButton", word, false});
    }
    cases.push_back({CheckControl::returnButton, "InitButton", std::nullopt, true});
    const std::vector<std::pair<CheckControl, std::string>> offBoxes{
        {CheckControl::taskBar, "TaskBar"},
        {CheckControl::contextMenu, "ContextMenu"},
        {CheckControl::toolBar, "ToolBar"}};
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

using LoadTest = SettingsFormFixture<>;

TEST_F(LoadTest, WithoutAFileShowsTheToolsDefaultsAndWritesNothing) {
    form.load();
    EXPECT_EQ(view.texts[TextControl::startPage], "https://www.wikipedia.org/");
    EXPECT_EQ(view.texts[TextControl::shutdownHour], "18");
    EXPECT_EQ(view.texts[TextControl::shutdownMinute], "00");
    for (const CheckControl box : {CheckControl::returnButton, CheckControl::taskBar,
                                   CheckControl::contextMenu, CheckControl::toolBar}) {
        EXPECT_TRUE(view.checks[box]);
    }
    EXPECT_FALSE(profile.exists(path));
    EXPECT_TRUE(log.startingWith("WritePrivateProfileString").empty());
}

TEST_F(LoadTest, ShowsTheStartPageAsStoredEvenEmptyOrLong) {
    store("StartPage", "");
    form.load();
    EXPECT_EQ(view.texts[TextControl::startPage], "");

    const std::string longPage = "http://kiosk.example/" + std::string(300, 'a');
    store("StartPage", longPage);
    form.load();
    EXPECT_EQ(view.texts[TextControl::startPage], longPage);
}

TEST_F(LoadTest, KeepsTheFileOfTheProgramFolderItFoundAtLoad) {
    form.load();
    process.path = "D:\\Elsewhere";
    form.saveAndClose();
    EXPECT_EQ(stored("StartPage"), "https://www.wikipedia.org/");
    EXPECT_FALSE(profile.exists("D:\\Elsewhere\\TAL.ini"));
}

}  // namespace
}  // namespace tal
