// The advanced settings: loading with the kiosk's defaults, the checks before any write, and
// saving only its own keys.
#include "settings_tool/AdvancedSettingsForm.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/unit/FakeAdvancedSettingsView.h"
#include "tests/unit/SettingsFormFixture.h"

namespace tal {
namespace {

class AdvancedSettingsTest : public SettingsFormFixture<> {
protected:
    fakes::FakeAdvancedSettingsView advancedView;
    AdvancedSettingsForm advanced{{profile, registry, desktop, process, messageBoxes, ansiText},
                                  advancedView};
};

TEST_F(AdvancedSettingsTest, LoadsTheKiosksDefaultsAndTheSitesOnePerLine) {
    store("AllowedSites", "https://a.example/  *.b.example");
    store("BrowserMode", "LEGACY");
    store("NewWindows", "whatever");
    store("TaskManager", "off");
    advanced.load();
    EXPECT_EQ(advancedView.texts[AdvancedText::idleReset], "0");
    EXPECT_EQ(advancedView.texts[AdvancedText::idleWarning], "10");
    EXPECT_EQ(advancedView.texts[AdvancedText::hangSeconds], "30");
    EXPECT_EQ(advancedView.texts[AdvancedText::allowedSites], "https://a.example/\r\n*.b.example");
    EXPECT_EQ(advancedView.choices[AdvancedChoice::browserMode], "legacy");
    EXPECT_EQ(advancedView.choices[AdvancedChoice::newWindows], "same");
    EXPECT_TRUE(advancedView.checks[AdvancedCheck::taskManagerOff]);
    EXPECT_FALSE(advancedView.checks[AdvancedCheck::clearSession]);
}

TEST_F(AdvancedSettingsTest, SavesItsOwnKeysOnlyWithTheSitesOnOneLine) {
    store("StartPage", "http://kept.example/");
    advanced.load();
    advancedView.texts[AdvancedText::idleReset] = " 180 ";
    advancedView.texts[AdvancedText::allowedSites] = "https://a.example/\r\n\r\n*.b.example\r\n";
    advancedView.checks[AdvancedCheck::clearSession] = true;
    advancedView.choices[AdvancedChoice::newWindows] = "block";
    advanced.saveAndClose();
    ASSERT_TRUE(advancedView.closed);
    EXPECT_EQ(stored("IdleReset"), "180");
    EXPECT_EQ(stored("AllowedSites"), "https://a.example/ *.b.example");
    EXPECT_EQ(stored("ClearSession"), "on");
    EXPECT_EQ(stored("NewWindows"), "block");
    EXPECT_EQ(stored("TaskManager"), "on");
    EXPECT_EQ(stored("StartPage"), "http://kept.example/");
    EXPECT_EQ(stored("TaskBar"), std::nullopt) << "the main dialog's keys are not written";
}

struct RefusedNumberCase {
    AdvancedText control;
    const char* text;
    const char* message;
};

class RefusedNumberTest : public AdvancedSettingsTest,
                          public testing::WithParamInterface<RefusedNumberCase> {};

TEST_P(RefusedNumberTest, NamesTheFieldFocusesItAndWritesNothing) {
    advanced.load();
    const auto before = profile.contents(path);
    advancedView.texts[GetParam().control] = GetParam().text;
    advanced.saveAndClose();
    ASSERT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_EQ(messageBoxes.shown[0].text, GetParam().message);
    EXPECT_EQ(messageBoxes.shown[0].caption, "エラー");
    EXPECT_EQ(advancedView.focus, GetParam().control);
    EXPECT_FALSE(advancedView.closed);
    EXPECT_EQ(profile.contents(path), before);
}

constexpr const char* idleMessage =
    "無操作リセット(秒)は 0 から 86400 までの数値で入力してください。";
constexpr const char* hangMessage =
    "応答なしの判定(秒)は 10 から 3600 までの整数で入力してください。";

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedNumberTest,
    testing::Values(RefusedNumberCase{AdvancedText::idleReset, "", idleMessage},
                    RefusedNumberCase{AdvancedText::idleReset, "abc", idleMessage},
                    RefusedNumberCase{AdvancedText::idleReset, "-5", idleMessage},
                    RefusedNumberCase{AdvancedText::idleReset, "86401", idleMessage},
                    RefusedNumberCase{AdvancedText::idleReset, "1e3", idleMessage},
                    RefusedNumberCase{AdvancedText::idleWarning, "nan",
                                      "予告(秒)は 0 から 86400 までの数値で入力してください。"},
                    RefusedNumberCase{AdvancedText::hangSeconds, "9", hangMessage},
                    RefusedNumberCase{AdvancedText::hangSeconds, "30.5", hangMessage},
                    RefusedNumberCase{AdvancedText::hangSeconds, "3601", hangMessage}));

TEST_F(AdvancedSettingsTest, AFailedWriteIsReportedWithThePathAndTheDialogStays) {
    advanced.load();
    profile.failWrites = true;
    advanced.saveAndClose();
    ASSERT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_EQ(messageBoxes.shown[0].text, "設定を保存できませんでした。\nutf8(C:\\Kiosk\\TAL.ini)");
    EXPECT_FALSE(advancedView.closed);
}

TEST_F(AdvancedSettingsTest, AManagedKeyIsShownLockedAndNotWritten) {
    const std::string value = "block";
    std::vector<std::uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);
    registry.setValueDirectly("SOFTWARE\\Policies\\TAL", "NewWindows",
                              {platform::registry_type::text, bytes});
    advanced.load();
    EXPECT_EQ(advancedView.choices[AdvancedChoice::newWindows], "block");
    EXPECT_EQ(advancedView.disabled,
              std::set<int>{200 + static_cast<int>(AdvancedChoice::newWindows)});
    advanced.saveAndClose();
    EXPECT_EQ(stored("NewWindows"), std::nullopt);
    EXPECT_EQ(stored("BrowserMode"), "edge");
}

}  // namespace
}  // namespace tal
