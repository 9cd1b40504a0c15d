#include "settings_tool/AdvancedSettingsForm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Flags.h"
#include "common/NumberText.h"
#include "common/PinHash.h"
#include "common/PolicyStore.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "common/SitePattern.h"
#include "settings_tool/UnsavableEntry.h"

namespace tal {

namespace {

constexpr std::string_view errorCaption = "エラー";
constexpr std::string_view saveFailed = "設定を保存できませんでした。";
constexpr std::string_view recommendedCaption = "推奨設定";
constexpr std::string_view recommendedFilled =
    "公共の端末に勧める値を入れました。「保存」を押すと保存します。";
constexpr std::string_view recommendedManaged = "グループ ポリシーで決められた項目はそのままです。";
constexpr std::string_view pinSet = "設定済み";
constexpr std::string_view pinNotSet = "未設定";
// A value that is no hash of a PIN: the kiosk opens no operator menu for it.
constexpr std::string_view pinMalformed = "不正な値 (無効)";

// A number field and its key of seconds, whose label and range the error box names.
struct NumberField {
    AdvancedText control;
    Setting setting;
};

constexpr std::array numberFields{
    NumberField{AdvancedText::idleReset, settings::IdleReset},
    NumberField{AdvancedText::idleWarning, settings::IdleWarning},
    NumberField{AdvancedText::hangSeconds, settings::HangSeconds},
    NumberField{AdvancedText::offlineRetry, settings::OfflineRetry},
};

// A check box, the word it saves when checked and the one when not.
struct FlagBox {
    AdvancedCheck control;
    Setting setting;
    std::string_view checkedWord;
    std::string_view uncheckedWord;
};

constexpr std::array flagBoxes{
    FlagBox{AdvancedCheck::clearSession, settings::ClearSession, flagOn, flagOff},
    FlagBox{AdvancedCheck::printing, settings::Printing, flagOn, flagOff},
    FlagBox{AdvancedCheck::keyLock, settings::KeyLock, flagOn, flagOff},
    FlagBox{AdvancedCheck::taskManagerOff, settings::TaskManager, flagOff, flagOn},
};

// A drop-down and its key's words; the first is the default, and what an unknown word shows.
struct ChoiceList {
    AdvancedChoice control;
    Setting setting;
};

constexpr std::array choiceLists{
    ChoiceList{AdvancedChoice::browserMode, settings::BrowserMode},
    ChoiceList{AdvancedChoice::newWindows, settings::NewWindows},
};

// A time of day typed as "H:MM" or "HH:MM" (24-hour) in the form the settings store it, "HH:MM";
// nothing for anything else.
std::optional<std::string> StoredClockText(std::string_view typed) {
    const std::size_t colon = typed.find(':');
    if (colon == 0 || colon > 2 || typed.size() != colon + 3) {
        return std::nullopt;
    }
    const auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        for (const char digit : digits) {
            if (digit < '0' || digit > '9') {
                return std::nullopt;
            }
            value = value * 10 + (digit - '0');
        }
        return value;
    };
    const std::optional<int> hour = number(typed.substr(0, colon));
    const std::optional<int> minute = number(typed.substr(colon + 1));
    if (!hour || !minute || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    return FormatTwoDigits(*hour) + ":" + FormatTwoDigits(*minute);
}

std::vector<std::string> Names(std::span<const Choice> choices) {
    std::vector<std::string> names;
    for (const Choice& choice : choices) {
        names.emplace_back(choice.name);
    }
    return names;
}

std::size_t Position(std::span<const Choice> choices, std::string_view word) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [word](const Choice& choice) { return choice.word == word; });
    return found == choices.end() ? 0 : static_cast<std::size_t>(found - choices.begin());
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// The sites one per line in the dialog, blank-separated on the settings file's one line.
std::string OneLine(std::string_view sites) {
    std::string line;
    std::string word;
    for (const char c : std::string(sites) + " ") {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty()) {
                line += (line.empty() ? "" : " ") + word;
                word.clear();
            }
        } else {
            word += c;
        }
    }
    return line;
}

std::string OnePerLine(std::string_view sites) {
    std::string lines;
    for (const char c : OneLine(sites)) {
        lines += c == ' ' ? std::string("\r\n") : std::string(1, c);
    }
    return lines;
}

}  // namespace

AdvancedSettingsForm::AdvancedSettingsForm(SettingsFormPorts ports, AdvancedSettingsView& view)
    : ports_(ports), view_(view) {}

void AdvancedSettingsForm::load() {
    settingsPath_ = SettingsFilePath(ports_.process.applicationPath());
    const PolicyStore policies(ports_.registry);
    const SettingsFile file(ports_.profile, settingsPath_, &policies);
    const auto managed = [&](const Setting& setting) {
        if (!policies.value(setting)) {
            return false;
        }
        managed_.push_back(setting.key);
        return true;
    };
    managed_.clear();
    for (const NumberField& field : numberFields) {
        view_.setText(field.control, file.ReadSetting(field.setting));
        if (managed(field.setting)) {
            view_.disable(field.control);
        }
    }
    view_.setText(AdvancedText::allowedSites, OnePerLine(file.ReadSetting(settings::AllowedSites)));
    if (managed(settings::AllowedSites)) {
        view_.disable(AdvancedText::allowedSites);
    }
    view_.setText(AdvancedText::restartTime, file.ReadSetting(settings::RestartTime));
    if (managed(settings::RestartTime)) {
        view_.disable(AdvancedText::restartTime);
    }
    for (const FlagBox& box : flagBoxes) {
        view_.setChecked(box.control, FlagIs(file.ReadSetting(box.setting), box.checkedWord));
        if (managed(box.setting)) {
            view_.disable(box.control);
        }
    }
    for (const ChoiceList& list : choiceLists) {
        const std::span<const Choice> choices = list.setting.choices;
        view_.setChoices(list.control, Names(choices),
                         Position(choices, LowerCase(file.ReadSetting(list.setting))));
        if (managed(list.setting)) {
            view_.disable(list.control);
        }
    }
    pinValue_ = file.ReadSetting(settings::OperatorPin);
    pinChanged_ = false;
    showPinStatus();
    if (managed(settings::OperatorPin)) {
        view_.disable(AdvancedButton::operatorPin);
    }
}

void AdvancedSettingsForm::changePin(const std::optional<std::string>& value) {
    if (!value || isManaged(settings::OperatorPin)) {
        return;
    }
    pinValue_ = *value;
    pinChanged_ = true;
    showPinStatus();
}

void AdvancedSettingsForm::showPinStatus() {
    view_.showPinStatus(std::string(pinValue_.empty()              ? pinNotSet
                                    : ParsePinHash(pinValue_).hash ? pinSet
                                                                   : pinMalformed));
}

bool AdvancedSettingsForm::isManaged(const Setting& setting) const {
    return std::find(managed_.begin(), managed_.end(), setting.key) != managed_.end();
}

void AdvancedSettingsForm::fillRecommended() {
    bool managedLeft = false;
    const auto wanted = [&](const Setting& setting) {
        if (setting.recommended.empty()) {
            return false;
        }
        managedLeft = managedLeft || isManaged(setting);
        return !isManaged(setting);
    };
    for (const NumberField& field : numberFields) {
        if (wanted(field.setting)) {
            view_.setText(field.control, std::string(field.setting.recommended));
        }
    }
    for (const FlagBox& box : flagBoxes) {
        if (wanted(box.setting)) {
            view_.setChecked(box.control, box.setting.recommended == box.checkedWord);
        }
    }
    for (const ChoiceList& list : choiceLists) {
        if (wanted(list.setting)) {
            const std::span<const Choice> choices = list.setting.choices;
            view_.setChoices(list.control, Names(choices),
                             Position(choices, list.setting.recommended));
        }
    }
    ports_.messageBoxes.show(std::string(recommendedFilled) +
                                 (managedLeft ? "\n" + std::string(recommendedManaged) : ""),
                             std::string(recommendedCaption), platform::message_box_style::okOnly);
}

void AdvancedSettingsForm::saveAndClose() {
    // Everything is checked before the first write, so that a refused entry leaves the file as
    // it was.
    std::vector<std::pair<std::string_view, std::string>> writes;
    for (const NumberField& field : numberFields) {
        if (isManaged(field.setting)) {
            continue;
        }
        const std::optional<std::string> typed = entry(field.control, field.setting);
        if (!typed) {
            return;
        }
        const std::string text = Trimmed(*typed);
        const std::optional<double> number = NumericValue(text);
        const bool fraction = number && *number != std::floor(*number);
        const SecondsRange& range = field.setting.range;
        if (!number || *number < range.minimum || *number > range.maximum ||
            (range.whole && (fraction || text.find('.') != std::string::npos))) {
            showError(std::string(field.setting.label) + "は " + std::to_string(range.minimum) +
                      " から " + std::to_string(range.maximum) +
                      (range.whole ? " までの整数" : " までの数値") + "で入力してください。");
            view_.setFocus(field.control);
            return;
        }
        // The programs read back exactly this: the watchdog, for one, takes no sign.
        writes.emplace_back(field.setting.key, SecondsText(*number));
    }
    if (!isManaged(settings::AllowedSites)) {
        const std::optional<std::string> sites =
            entry(AdvancedText::allowedSites, settings::AllowedSites);
        if (!sites) {
            return;
        }
        for (const std::string_view word : SitePatternWords(*sites)) {
            if (!ParseSitePattern(word)) {
                showError("許可するサイトの「" + ports_.ansiText.toUtf8(std::string(word)) +
                          "」は、アドレスの先頭部分(https://city.example.jp/lib/)か" +
                          "ホスト名(*.example.jp)で入力してください。");
                view_.setFocus(AdvancedText::allowedSites);
                return;
            }
        }
        writes.emplace_back(settings::AllowedSites.key, OneLine(*sites));
    }
    if (!isManaged(settings::RestartTime)) {
        const std::optional<std::string> entered =
            entry(AdvancedText::restartTime, settings::RestartTime);
        if (!entered) {
            return;
        }
        // Empty: the kiosk never restarts.
        const std::string typed = Trimmed(*entered);
        const std::optional<std::string> time =
            typed.empty() ? std::optional<std::string>(typed) : StoredClockText(typed);
        if (!time) {
            showError(std::string(settings::RestartTime.label) +
                      "は 00:00 から 23:59 までの時刻で入力してください。空欄なら再起動しません。");
            view_.setFocus(AdvancedText::restartTime);
            return;
        }
        view_.setText(AdvancedText::restartTime, *time);
        writes.emplace_back(settings::RestartTime.key, *time);
    }
    for (const FlagBox& box : flagBoxes) {
        if (!isManaged(box.setting)) {
            writes.emplace_back(box.setting.key,
                                view_.isChecked(box.control) ? box.checkedWord : box.uncheckedWord);
        }
    }
    for (const ChoiceList& list : choiceLists) {
        if (!isManaged(list.setting)) {
            const std::span<const Choice> choices = list.setting.choices;
            const std::size_t selected = view_.choice(list.control);
            writes.emplace_back(list.setting.key,
                                choices[selected < choices.size() ? selected : 0].word);
        }
    }

    if (pinChanged_ && !isManaged(settings::OperatorPin)) {
        writes.emplace_back(settings::OperatorPin.key, pinValue_);
    }

    const SettingsFile file(ports_.profile, settingsPath_);
    for (const auto& [key, value] : writes) {
        if (!file.WriteSetting(key, value)) {
            showError(std::string(saveFailed) + "\n" + ports_.ansiText.toUtf8(settingsPath_));
            return;
        }
    }
    view_.close();
}

std::optional<std::string> AdvancedSettingsForm::entry(AdvancedText control,
                                                       const Setting& setting) {
    std::optional<std::string> text = view_.text(control);
    if (!text) {
        showError(UnsavableEntryMessage(setting.label));
        view_.setFocus(control);
    }
    return text;
}

void AdvancedSettingsForm::showError(const std::string& text) {
    ports_.messageBoxes.show(text, std::string(errorCaption), platform::message_box_style::okOnly);
}

}  // namespace tal
