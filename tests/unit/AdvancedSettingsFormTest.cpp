// The advanced settings: loading with the kiosk's defaults, the checks before any write, and
// saving only its own keys.
#include "settings_tool/AdvancedSettingsForm.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "common/Settings.h"
#include "kiosk/IdleMonitor.h"
#include "tests/fakes/FakeAdvancedSettingsView.h"
#include "tests/unit/SettingsFormFixture.h"
#include "watchdog/HangSeconds.h"

namespace tal {
namespace {

class AdvancedSettingsTest : public SettingsFormFixture<> {
protected:
    fakes::FakeAdvancedSettingsView advancedView;
    AdvancedSettingsForm advanced{
        {profile, registry, desktop, process, messageBoxes, ansiText, system}, advancedView};
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
    EXPECT_EQ(advancedView.lists[AdvancedChoice::browserMode],
              (std::vector<std::string>{"最新の表示モード", "古い互換表示モード"}));
    EXPECT_EQ(advancedView.selected[AdvancedChoice::browserMode], 1U);
    EXPECT_EQ(advancedView.lists[AdvancedChoice::newWindows],
              (std::vector<std::string>{"キオスクのウィンドウで開く", "開かない"}));
    EXPECT_EQ(advancedView.selected[AdvancedChoice::newWindows], 0U) << "an unknown word";
    EXPECT_TRUE(advancedView.checks[AdvancedCheck::taskManagerOff]);
    EXPECT_FALSE(advancedView.checks[AdvancedCheck::clearSession]);
}

TEST_F(AdvancedSettingsTest, SavesItsOwnKeysOnlyWithTheSitesOnOneLine) {
    store("StartPage", "http://kept.example/");
    advanced.load();
    advancedView.texts[AdvancedText::idleReset] = " 180 ";
    advancedView.texts[AdvancedText::allowedSites] = "https://a.example/\r\n\r\n*.b.example\r\n";
    advancedView.checks[AdvancedCheck::clearSession] = true;
    advancedView.selected[AdvancedChoice::newWindows] = 1;
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

struct RefusedCase {
    AdvancedText control;
    // Nothing: a character that the code page lacks.
    std::optional<std::string> text;
    const char* message;
};

class RefusedAdvancedEntryTest : public AdvancedSettingsTest,
                                 public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedAdvancedEntryTest, NamesTheFieldFocusesItAndWritesNothing) {
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
    Entries, RefusedAdvancedEntryTest,
    testing::Values(
        RefusedCase{AdvancedText::idleReset, "", idleMessage},
        RefusedCase{AdvancedText::idleReset, "abc", idleMessage},
        RefusedCase{AdvancedText::idleReset, "-5", idleMessage},
        RefusedCase{AdvancedText::idleReset, "86401", idleMessage},
        RefusedCase{AdvancedText::idleReset, "1e3", idleMessage},
        RefusedCase{AdvancedText::idleWarning, "nan",
                    "予告(秒)は 0 から 86400 までの数値で入力してください。"},
        RefusedCase{AdvancedText::hangSeconds, "9", hangMessage},
        RefusedCase{AdvancedText::hangSeconds, "30.5", hangMessage},
        RefusedCase{AdvancedText::hangSeconds, "3601", hangMessage},
        RefusedCase{AdvancedText::idleReset, std::nullopt,
                    "無操作リセット(秒)には設定ファイルに保存できない文字が含まれています。"},
        RefusedCase{AdvancedText::allowedSites, std::nullopt,
                    "許可するサイト(1 行に 1 つ)には設定ファイルに保存できない文字が含まれ"
                    "ています。"}));

// What the program that uses a key makes of its stored text: the kiosk's milliseconds, the
// watchdog's seconds.
std::uint32_t KioskMilliseconds(std::string_view stored) {
    return SecondsSettingMilliseconds(stored).value_or(UINT32_MAX);
}
std::uint32_t WatchdogSeconds(std::string_view stored) {
    return watchdog::HangSecondsFrom(stored);
}

struct RoundTripCase {
    AdvancedText control;
    std::string_view key;
    const char* typed;
    std::uint32_t (*readBack)(std::string_view stored);
    // In the reader's unit.
    std::uint32_t meant;
};

const RoundTripCase roundTrips[] = {
    {AdvancedText::idleReset, "IdleReset", "+90", KioskMilliseconds, 90000},
    {AdvancedText::idleReset, "IdleReset", " 1.5 ", KioskMilliseconds, 1500},
    {AdvancedText::idleReset, "IdleReset", ".25", KioskMilliseconds, 250},
    {AdvancedText::idleReset, "IdleReset", "12.3456", KioskMilliseconds, 12346},
    {AdvancedText::idleReset, "IdleReset", "0086400", KioskMilliseconds, 86400000},
    {AdvancedText::idleReset, "IdleReset", "-0", KioskMilliseconds, 0},
    {AdvancedText::idleWarning, "IdleWarning", "+10.0", KioskMilliseconds, 10000},
    {AdvancedText::idleWarning, "IdleWarning", "5.", KioskMilliseconds, 5000},
    {AdvancedText::idleWarning, "IdleWarning", "0.001", KioskMilliseconds, 1},
    {AdvancedText::hangSeconds, "HangSeconds", "+60", WatchdogSeconds, 60},
    {AdvancedText::hangSeconds, "HangSeconds", "060", WatchdogSeconds, 60},
    {AdvancedText::hangSeconds, "HangSeconds", " 10 ", WatchdogSeconds, 10},
    {AdvancedText::hangSeconds, "HangSeconds", "+3600", WatchdogSeconds, 3600},
};

TEST_F(AdvancedSettingsTest, EveryNumberTypedIsReadBackAsTheNumberItMeant) {
    for (const RoundTripCase& trip : roundTrips) {
        advancedView = {};
        advanced.load();
        advancedView.texts[trip.control] = trip.typed;
        advanced.saveAndClose();
        ASSERT_TRUE(advancedView.closed) << trip.key << "=" << trip.typed << " refused";
        const std::string stored = this->stored(std::string(trip.key)).value_or("(none)");
        EXPECT_EQ(trip.readBack(stored), trip.meant)
            << trip.key << ": typed \"" << trip.typed << "\", stored \"" << stored << "\"";
    }
    // A number key that the dialog shows and the table misses.
    for (const Setting& setting : settings::all) {
        if (setting.kind == SettingKind::seconds && !setting.label.empty()) {
            EXPECT_TRUE(
                std::any_of(std::begin(roundTrips), std::end(roundTrips),
                            [&](const RoundTripCase& trip) { return trip.key == setting.key; }))
                << setting.key;
        }
    }
}

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
    EXPECT_EQ(advancedView.selected[AdvancedChoice::newWindows], 1U);
    EXPECT_EQ(advancedView.disabled,
              std::set<int>{200 + static_cast<int>(AdvancedChoice::newWindows)});
    advanced.saveAndClose();
    EXPECT_EQ(stored("NewWindows"), std::nullopt);
    EXPECT_EQ(stored("BrowserMode"), "edge");
}

}  // namespace
}  // namespace tal
