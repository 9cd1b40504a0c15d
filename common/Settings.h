#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/Flags.h"

namespace tal {

inline constexpr std::string_view defaultStartPage = "https://www.wikipedia.org/";

// What a key's value is, as far as a policy may set it.
enum class SettingKind {
    text,
    // "on" or "off"; a policy may give 1 or 0.
    flag,
    // A number of seconds within the key's range; a policy may give the number.
    seconds,
    // One of the key's words.
    choice,
    // Written by the kiosk itself: never a policy.
    position,
};

// A word that a key may hold, and the name the settings tool's dialogs show for it (UTF-8).
struct Choice {
    std::string_view word;
    std::string_view name;
};

// The seconds an operator may give a key.
struct SecondsRange {
    std::uint32_t minimum = 0;
    std::uint32_t maximum = 0;
    // Whole seconds only.
    bool whole = false;
};

// A key of section CONFIG with the value each program assumes while the key is missing.
struct Setting {
    std::string_view key{};
    // What the kiosk and the watchdog assume.
    std::string_view kioskDefault{};
    // Only for keys of the settings dialog that it fills with its own default; the advanced dialog
    // shows the kiosk's.
    std::string_view settingsToolDefault{};
    SettingKind kind = SettingKind::text;
    // What the settings tool's dialogs call the key (UTF-8); empty for keys they do not show.
    std::string_view label{};
    // For a choice: its words, the default first.
    std::span<const Choice> choices{};
    // For seconds.
    SecondsRange range{};
    // What a public terminal wants, which the advanced dialog's "推奨設定" fills in; empty when
    // the key has no such value.
    std::string_view recommended{};
    // No one's to read: the log says only whether the key is set.
    bool secret = false;
};

namespace choice {
inline constexpr Choice newestRendering{"edge", "最新の表示モード"};
inline constexpr Choice legacyRendering{"legacy", "古い互換表示モード"};
inline constexpr Choice sameWindow{"same", "キオスクのウィンドウで開く"};
inline constexpr Choice noWindow{"block", "開かない"};

inline constexpr std::array browserModes{newestRendering, legacyRendering};
inline constexpr std::array newWindows{sameWindow, noWindow};
}  // namespace choice

namespace settings {
// A day: beyond it a wait or an idle time is taken for a typing error.
inline constexpr std::uint32_t day = 86400;

inline constexpr Setting StartPage{.key = "StartPage",
                                   .kioskDefault = defaultStartPage,
                                   .settingsToolDefault = defaultStartPage,
                                   .label = "スタートページ"};
inline constexpr Setting TimeToShutdown{.key = "TimeToShutdown",
                                        .kioskDefault = "",
                                        .settingsToolDefault = "18:00",
                                        .label = "電源切断時刻"};
// "HH:MM" like TimeToShutdown: the kiosk's fresh start of the day as a new process.
inline constexpr Setting RestartTime{
    .key = "RestartTime", .kioskDefault = "", .label = "再起動時刻(HH:MM)"};
inline constexpr Setting WaitToStart{
    .key = "WaitToStart", .kioskDefault = "0", .kind = SettingKind::seconds, .range = {0, day}};
inline constexpr Setting TaskBar{.key = "TaskBar",
                                 .kioskDefault = "on",
                                 .settingsToolDefault = "off",
                                 .kind = SettingKind::flag,
                                 .label = "タスクバー"};
inline constexpr Setting TaskBarHide{
    .key = "TaskBarHide", .kioskDefault = "off", .kind = SettingKind::flag};
inline constexpr Setting ContextMenu{.key = "ContextMenu",
                                     .kioskDefault = "on",
                                     .settingsToolDefault = "off",
                                     .kind = SettingKind::flag,
                                     .label = "右クリック"};
inline constexpr Setting ToolBar{.key = "ToolBar",
                                 .kioskDefault = "on",
                                 .settingsToolDefault = "off",
                                 .kind = SettingKind::flag,
                                 .label = "ツールバー"};
inline constexpr Setting InitButton{.key = "InitButton",
                                    .kioskDefault = "off",
                                    .settingsToolDefault = "on",
                                    .kind = SettingKind::flag,
                                    .label = "戻るボタン"};
inline constexpr Setting InitButtonX{
    .key = "InitButtonX", .kioskDefault = "0", .kind = SettingKind::position};
inline constexpr Setting InitButtonY{
    .key = "InitButtonY", .kioskDefault = "0", .kind = SettingKind::position};
inline constexpr Setting ClearSession{.key = "ClearSession",
                                      .kioskDefault = "off",
                                      .kind = SettingKind::flag,
                                      .label = "リセットのたびに利用者の痕跡を消す",
                                      .recommended = flagOn};
inline constexpr Setting IdleReset{.key = "IdleReset",
                                   .kioskDefault = "0",
                                   .kind = SettingKind::seconds,
                                   .label = "無操作リセット(秒)",
                                   .range = {0, day},
                                   .recommended = "180"};
inline constexpr Setting IdleWarning{.key = "IdleWarning",
                                     .kioskDefault = "10",
                                     .kind = SettingKind::seconds,
                                     .label = "予告(秒)",
                                     .range = {0, day}};
inline constexpr Setting BrowserMode{.key = "BrowserMode",
                                     .kioskDefault = choice::newestRendering.word,
                                     .kind = SettingKind::choice,
                                     .label = "表示モード",
                                     .choices = choice::browserModes};
inline constexpr Setting NewWindows{.key = "NewWindows",
                                    .kioskDefault = choice::sameWindow.word,
                                    .kind = SettingKind::choice,
                                    .label = "新しいウィンドウ",
                                    .choices = choice::newWindows,
                                    .recommended = choice::sameWindow.word};
inline constexpr Setting AllowedSites{
    .key = "AllowedSites", .kioskDefault = "", .label = "許可するサイト(1 行に 1 つ)"};
inline constexpr Setting Printing{.key = "Printing",
                                  .kioskDefault = "off",
                                  .kind = SettingKind::flag,
                                  .label = "印刷を許可する",
                                  .recommended = flagOff};
inline constexpr Setting KeyLock{.key = "KeyLock",
                                 .kioskDefault = "off",
                                 .kind = SettingKind::flag,
                                 .label = "システムキーを無効にする",
                                 .recommended = flagOn};
// Its check box in the advanced dialog says the opposite of the key: checked is "off".
inline constexpr Setting TaskManager{.key = "TaskManager",
                                     .kioskDefault = "on",
                                     .kind = SettingKind::flag,
                                     .label = "タスクマネージャーを使わせない",
                                     .recommended = flagOff};
// The longest wait between the kiosk's tries of a page that the network did not bring; 0 leaves
// such a failure to the browser control's own error page.
inline constexpr Setting OfflineRetry{.key = "OfflineRetry",
                                      .kioskDefault = "60",
                                      .kind = SettingKind::seconds,
                                      .label = "再表示の最長間隔(秒)",
                                      .range = {0, 3600, true},
                                      .recommended = "60"};
// The operator's PIN, only as its hash (common/PinHash): with one, the operator menu opens.
inline constexpr Setting OperatorPin{.key = "OperatorPin", .kioskDefault = "", .secret = true};
// Read by the watchdog, talwatch.exe. An hour at most: beyond it the value is taken for a typing
// error rather than a wish.
inline constexpr Setting HangSeconds{.key = "HangSeconds",
                                     .kioskDefault = "30",
                                     .kind = SettingKind::seconds,
                                     .label = "応答なしの判定(秒)",
                                     .range = {10, 3600, true}};

inline constexpr std::array all{StartPage,    TimeToShutdown, RestartTime, WaitToStart, TaskBar,
                                TaskBarHide,  ContextMenu,    ToolBar,     InitButton,  InitButtonX,
                                InitButtonY,  ClearSession,   IdleReset,   IdleWarning, BrowserMode,
                                NewWindows,   AllowedSites,   Printing,    KeyLock,     TaskManager,
                                OfflineRetry, OperatorPin,    HangSeconds};
}  // namespace settings

// The default of a key of seconds as a number; the key's default is whole digits.
constexpr std::uint32_t DefaultSeconds(const Setting& setting) {
    std::uint32_t seconds = 0;
    for (const char digit : setting.kioskDefault) {
        seconds = seconds * 10 + static_cast<std::uint32_t>(digit - '0');
    }
    return seconds;
}

namespace settings {
// Each key's facts agree with one another: a choice starts with its default, and a default of
// seconds is whole digits within the range.
constexpr bool Consistent(const Setting& setting) {
    switch (setting.kind) {
        case SettingKind::choice:
            return setting.choices.size() >= 2 && setting.choices[0].word == setting.kioskDefault;
        case SettingKind::seconds:
            for (const char digit : setting.kioskDefault) {
                if (digit < '0' || digit > '9') {
                    return false;
                }
            }
            return !setting.kioskDefault.empty() &&
                   setting.range.minimum <= setting.range.maximum &&
                   DefaultSeconds(setting) >= setting.range.minimum &&
                   DefaultSeconds(setting) <= setting.range.maximum;
        default:
            return setting.choices.empty() && setting.range.maximum == 0;
    }
}

static_assert([] {
    for (const Setting& setting : all) {
        if (!Consistent(setting)) {
            return false;
        }
    }
    return true;
}());
}  // namespace settings

}  // namespace tal
