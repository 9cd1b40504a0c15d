// Checking and saving the dialog's entries.
#include <array>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/unit/SettingsFormFixture.h"

namespace tal {
namespace {

const std::string startPageMissing = "スタートページのURLを入力してください。";
const std::string timeWrong = "電源終了時刻が間違っています。";
const std::string pageChars = "スタートページには設定ファイルに保存できない文字が含まれています。";
const std::string timeChars = "電源切断時刻には設定ファイルに保存できない文字が含まれています。";

// Entries of the three text controls (nothing: a character that the code page lacks); the boxes
// stay as the test's file loads them.
struct Entries {
    std::optional<std::string> startPage;
    std::optional<std::string> hour;
    std::optional<std::string> minute;
};

template <typename Base = testing::Test>
class SaveFixture : public SettingsFormFixture<Base> {
protected:
    void SetUp() override {
        this->store("StartPage", "http://old.example/");
        this->store("TimeToShutdown", "06:15");
        this->store("TaskBar", "on");
        this->form.load();
    }
    void enter(const Entries& entries) {
        this->view.texts[TextControl::startPage] = entries.startPage;
        this->view.texts[TextControl::shutdownHour] = entries.hour;
        this->view.texts[TextControl::shutdownMinute] = entries.minute;
    }
};

struct RefusedCase {
    Entries entries;
    std::string message;
    TextControl focus;
};

class RefusedEntryTest : public SaveFixture<testing::TestWithParam<RefusedCase>> {};

TEST_P(RefusedEntryTest, ReportsTheFaultFocusesItsControlAndLeavesTheFileAsItWas) {
    const auto before = profile.contents(path);
    enter(GetParam().entries);
    form.saveAndClose();

    ASSERT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_EQ(messageBoxes.shown[0], (fakes::ShownMessageBox{GetParam().message, "エラー",
                                                             platform::message_box_style::okOnly}));
    EXPECT_EQ(view.focus, GetParam().focus);
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(profile.contents(path), before);
    EXPECT_TRUE(log.startingWith("WritePrivateProfileString").empty());
    EXPECT_EQ(view.texts[TextControl::shutdownHour], GetParam().entries.hour)
        << "the operator's entries stay";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedEntryTest,
    testing::Values(RefusedCase{{"", "07", "30"}, startPageMissing, TextControl::startPage},
                    RefusedCase{{"", "24", "xx"}, startPageMissing, TextControl::startPage},
                    RefusedCase{{"http://a/", "24", "00"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "-1", "00"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "ab", "00"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "7", ""}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "7", "60"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "23.5", "0"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{"http://a/", "7:", "0"}, timeWrong, TextControl::shutdownHour},
                    RefusedCase{{std::nullopt, "7", "0"}, pageChars, TextControl::startPage},
                    RefusedCase{{"a/", std::nullopt, "0"}, timeChars, TextControl::shutdownHour}));

struct AcceptedTimeCase {
    std::string hour;
    std::string minute;
    std::string stored;
};

class AcceptedTimeTest : public SaveFixture<testing::TestWithParam<AcceptedTimeCase>> {};

TEST_P(AcceptedTimeTest, StoresTwoDigitsEachAndShowsThemInTheBoxes) {
    enter({"http://new.example/", GetParam().hour, GetParam().minute});
    form.saveAndClose();

    EXPECT_TRUE(messageBoxes.shown.empty());
    EXPECT_EQ(stored("TimeToShutdown"), GetParam().stored);
    EXPECT_EQ(*view.text(TextControl::shutdownHour) + ":" + *view.text(TextControl::shutdownMinute),
              GetParam().stored);
    EXPECT_EQ(stored("StartPage"), "http://new.example/");
    EXPECT_TRUE(view.closed);
}

INSTANTIATE_TEST_SUITE_P(Times, AcceptedTimeTest,
                         testing::Values(AcceptedTimeCase{"7", "5", "07:05"},
                                         AcceptedTimeCase{"23", "59", "23:59"},
                                         AcceptedTimeCase{"0", "0", "00:00"},
                                         AcceptedTimeCase{"7.5", "0", "08:00"},
                                         AcceptedTimeCase{" 9 ", "+05", "09:05"},
                                         AcceptedTimeCase{"07", "30", "07:30"}));

using SaveTest = SaveFixture<>;

TEST_F(SaveTest, AnEmptyHourKeepsTheStoredTimeWhateverTheMinute) {
    enter({"http://new.example/", "", "30"});
    form.saveAndClose();
    EXPECT_TRUE(messageBoxes.shown.empty());
    EXPECT_EQ(stored("TimeToShutdown"), "06:15");
    EXPECT_EQ(stored("StartPage"), "http://new.example/");
    EXPECT_EQ(stored("InitButton"), "on") << "absent before: written now";
    EXPECT_TRUE(view.closed);
}

using SaveWithoutFileTest = SettingsFormFixture<>;

TEST_F(SaveWithoutFileTest, AnEmptyHourLeavesAnAbsentTimeAbsent) {
    form.load();
    view.texts[TextControl::shutdownHour] = "";
    view.texts[TextControl::shutdownMinute] = "xx";
    form.saveAndClose();
    EXPECT_EQ(stored("TimeToShutdown"), std::nullopt);
    EXPECT_EQ(stored("InitButton"), "on");
    EXPECT_TRUE(view.closed);
}

TEST_F(SaveTest, BlanksAreAStartPageAndAreStoredUnchanged) {
    enter({"   ", "07", "30"});
    form.saveAndClose();
    EXPECT_TRUE(messageBoxes.shown.empty());
    EXPECT_EQ(stored("StartPage"), "   ");
    EXPECT_TRUE(view.closed);
}

struct FlagsCase {
    std::array<bool, 4> checked;  // back button, taskbar, context menu, toolbar
    std::array<const char*, 4> words;
};

class SaveFlagsTest : public SaveFixture<testing::TestWithParam<FlagsCase>> {};

TEST_P(SaveFlagsTest, WritesTheWordOfEachBoxsState) {
    const std::array boxes{CheckControl::returnButton, CheckControl::taskBar,
                           CheckControl::contextMenu, CheckControl::toolBar};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        view.checks[boxes[i]] = GetParam().checked[i];
    }
    form.saveAndClose();
    EXPECT_EQ(stored("InitButton"), GetParam().words[0]);
    EXPECT_EQ(stored("TaskBar"), GetParam().words[1]);
    EXPECT_EQ(stored("ContextMenu"), GetParam().words[2]);
    EXPECT_EQ(stored("ToolBar"), GetParam().words[3]);
}

INSTANTIATE_TEST_SUITE_P(
    States, SaveFlagsTest,
    testing::Values(FlagsCase{{true, true, true, true}, {"on", "off", "off", "off"}},
                    FlagsCase{{false, false, false, false}, {"off", "on", "on", "on"}},
                    FlagsCase{{true, false, false, false}, {"on", "on", "on", "on"}},
                    FlagsCase{{false, true, false, true}, {"off", "off", "on", "off"}},
                    FlagsCase{{false, false, true, false}, {"off", "on", "off", "on"}}));

class FailedWriteTest : public SaveFixture<testing::TestWithParam<int>> {};

TEST_P(FailedWriteTest, IsReportedWithThePathAndKeepsTheDialogOpen) {
    profile.failWritesFrom = GetParam();
    enter({"http://new.example/", "7", "5"});
    form.saveAndClose();

    ASSERT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_EQ(messageBoxes.shown[0],
              (fakes::ShownMessageBox{"設定を保存できませんでした。\nutf8(C:\\Kiosk\\TAL.ini)",
                                      "エラー", platform::message_box_style::okOnly}));
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.texts[TextControl::startPage], "http://new.example/");

    profile.failWritesFrom = 0;
    form.saveAndClose();
    EXPECT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(stored("TimeToShutdown"), "07:05");
}

// The first write, one in the middle, the last one.
INSTANTIATE_TEST_SUITE_P(Writes, FailedWriteTest, testing::Values(1, 3, 6));

}  // namespace
}  // namespace tal
