// The advanced settings: loading with the kiosk's defaults, the checks before any write, and
// saving only its own keys.
#include "settings_tool/AdvancedSettingsForm.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "kiosk/IdleMonitor.h"
#include "kiosk/OfflineRetry.h"
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
    store("RestartTime", "04:30");
    advanced.load();
    EXPECT_EQ(advancedView.texts[AdvancedText::idleReset], "0");
    EXPECT_EQ(advancedView.texts[AdvancedText::idleWarning], "10");
    EXPECT_EQ(advancedView.texts[AdvancedText::hangSeconds], "30");
    EXPECT_EQ(advancedView.texts[AdvancedText::allowedSites], "https://a.example/\r\n*.b.example");
    EXPECT_EQ(advancedView.texts[AdvancedText::restartTime], "04:30");
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
    advancedView.texts[AdvancedText::restartTime] = " 3:05 ";
    advanced.saveAndClose();
    ASSERT_TRUE(advancedView.closed);
    EXPECT_EQ(stored("RestartTime"), "03:05") << "as the kiosk compares it";
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
    std::optional<std::string> text;  // nothing: a character that the code page lacks
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
constexpr const char* restartMessage =
    "再起動時刻(HH:MM)は 00:00 から 23:59 までの時刻で入力してください。空欄なら再起動しません。";
constexpr const char* hangMessage =
    "応答なしの判定(秒)は 10 から 3600 までの整数で入力してください。";
constexpr const char* offlineMessage =
    "再表示の最長間隔(秒)は 0 から 3600 までの整数で入力してください。";
constexpr const char* idleChars =
    "無操作リセット(秒)には設定ファイルに保存できない文字が含まれています。";
constexpr const char* sitesChars =
    "許可するサイト(1 行に 1 つ)には設定ファイルに保存できない文字が含まれています。";

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
                    RefusedNumberCase{AdvancedText::hangSeconds, "3601", hangMessage},
                    RefusedNumberCase{AdvancedText::offlineRetry, "1.5", offlineMessage},
                    RefusedNumberCase{AdvancedText::restartTime, "24:00", restartMessage},
                    RefusedNumberCase{AdvancedText::restartTime, "03:60", restartMessage},
                    RefusedNumberCase{AdvancedText::restartTime, "03:05:00", restartMessage},
                    RefusedNumberCase{
                        AdvancedText::allowedSites,
                        "https://a.example/\r\nwww.city.example.jp/\r\nhttps//b.example/",
                        "許可するサイトの「utf8(www.city.example.jp/)」は、アドレスの先頭部分"
                        "(https://city.example.jp/lib/)かホスト名(*.example.jp)で入力して"
                        "ください。"},
                    RefusedNumberCase{AdvancedText::idleReset, std::nullopt, idleChars},
                    RefusedNumberCase{AdvancedText::allowedSites, std::nullopt, sitesChars}));

std::uint32_t KioskMilliseconds(std::string_view stored) {
    return SecondsSettingMilliseconds(stored).value_or(UINT32_MAX);
}

// What the dialog writes for a typed number, read back by the program that uses the key.
struct RoundTrip {
    AdvancedText control;
    std::string_view key;
    const char* typed;
    std::uint32_t (*readBack)(std::string_view stored);
    std::uint32_t meant;  // in the reader's unit
};

const RoundTrip roundTrips[] = {
    {AdvancedText::idleReset, "IdleReset", "+90", KioskMilliseconds, 90000},
    {AdvancedText::idleReset, "IdleReset", "12.3456", KioskMilliseconds, 12346},
    {AdvancedText::idleWarning, "IdleWarning", " 5. ", KioskMilliseconds, 5000},
    {AdvancedText::hangSeconds, "HangSeconds", "+60", watchdog::HangSecondsFrom, 60},
    {AdvancedText::hangSeconds, "HangSeconds", "060", watchdog::HangSecondsFrom, 60},
    {AdvancedText::offlineRetry, "OfflineRetry", "+30", OfflineRetrySeconds, 30},
    {AdvancedText::offlineRetry, "OfflineRetry", "0", OfflineRetrySeconds, 0},
};

TEST_F(AdvancedSettingsTest, EveryNumberTypedIsReadBackAsMeant) {
    for (const RoundTrip& trip : roundTrips) {
        advancedView = {};
        advanced.load();
        advancedView.texts[trip.control] = trip.typed;
        advanced.saveAndClose();
        const std::string stored = this->stored(std::string(trip.key)).value_or("");
        EXPECT_EQ(trip.readBack(stored), trip.meant) << trip.typed << " stored as " << stored;
    }
    for (const Setting& setting : settings::all) {
        EXPECT_TRUE(
            setting.kind != SettingKind::seconds || setting.label.empty() ||
            std::ranges::any_of(roundTrips, [&](auto& trip) { return trip.key == setting.key; }))
            << setting.key << " is in the dialog and not in the table";
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

TEST_F(AdvancedSettingsTest, RecommendedFillsInWhatAPublicTerminalWantsForTheSave) {
    store("IdleReset", "30");
    store("Printing", "on");
    advanced.load();
    advanced.fillRecommended();
    ASSERT_EQ(messageBoxes.shown.size(), 1U);
    EXPECT_EQ(messageBoxes.shown[0].caption, "推奨設定");
    EXPECT_TRUE(profile.get(path, "CONFIG", "KeyLock") == std::nullopt) << "nothing written yet";
    advanced.saveAndClose();
    const std::map<std::string, std::string> recommended{
        {"KeyLock", "on"},     {"TaskManager", "off"}, {"NewWindows", "same"},
        {"Printing", "off"},   {"ClearSession", "on"}, {"IdleReset", "180"},
        {"IdleWarning", "10"}, {"HangSeconds", "30"},  {"BrowserMode", "edge"}};
    for (const auto& [key, value] : recommended) {
        EXPECT_EQ(stored(key), value) << key;
    }
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
    advanced.fillRecommended();
    EXPECT_EQ(advancedView.selected[AdvancedChoice::newWindows], 1U) << "Group Policy decides";
    EXPECT_EQ(messageBoxes.shown.back().text,
              "公共の端末に勧める値を入れました。「保存」を押すと保存します。\n"
              "グループ ポリシーで決められた項目はそのままです。");
    advanced.saveAndClose();
    EXPECT_EQ(stored("NewWindows"), std::nullopt);
    EXPECT_EQ(stored("BrowserMode"), "edge");
}

// The operator PIN: its status as loaded, and what saving writes after the PIN dialog decided.
struct PinCase {
    std::optional<std::string> stored;   // nothing: no key
    std::optional<std::string> decided;  // OperatorPinForm::newValue
    const char* status;
    std::optional<std::string> saved;
};

constexpr const char* hash =
    "pbkdf2-sha256$200000$000102030405060708090a0b0c0d0e0f$"
    "869e6c8350c5beb0acc399fbaac3b60d220433896b26a647734d0d8f1586e1fa";

const PinCase pinCases[] = {
    {std::nullopt, std::nullopt, "未設定", std::nullopt},
    {std::nullopt, hash, "設定済み", hash},
    {hash, std::nullopt, "設定済み", hash},
    {hash, "", "未設定", ""},
    {"1234", std::nullopt, "不正な値 (無効)", "1234"},
    {"1234", hash, "設定済み", hash},
};

TEST_F(AdvancedSettingsTest, ShowsWhetherAPinIsSetAndSavesWhatThePinDialogDecided) {
    for (const PinCase& pin : pinCases) {
        SCOPED_TRACE(pin.stored.value_or("(none)") + " -> " + pin.decided.value_or("(kept)"));
        profile.load(path, pin.stored ? "[CONFIG]\nOperatorPin=" + *pin.stored : "");
        advancedView = {};
        advanced.load();
        EXPECT_EQ(advanced.hasPin(), pin.stored.has_value());
        advanced.changePin(pin.decided);
        EXPECT_EQ(advancedView.pinStatus, pin.status);
        EXPECT_EQ(stored("OperatorPin"), pin.stored) << "nothing is written before the save";
        advanced.saveAndClose();
        EXPECT_EQ(stored("OperatorPin"), pin.saved);
    }
}

TEST_F(AdvancedSettingsTest, APinSetByPolicyLocksTheButtonAndIsNeverWritten) {
    std::vector<std::uint8_t> bytes(hash, hash + std::string_view(hash).size() + 1);
    registry.setValueDirectly("SOFTWARE\\Policies\\TAL", "OperatorPin",
                              {platform::registry_type::text, bytes});
    advanced.load();
    EXPECT_EQ(advancedView.disabled, std::set<int>{300});
    advanced.changePin("");
    advanced.saveAndClose();
    EXPECT_EQ(stored("OperatorPin"), std::nullopt);
}

}  // namespace
}  // namespace tal
