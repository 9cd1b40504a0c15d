#include "settings_tool/SettingsForm.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Flags.h"
#include "common/LockdownValues.h"
#include "common/NumberText.h"
#include "common/PolicyStore.h"
#include "common/Settings.h"
#include "common/TaskBarWindows.h"
#include "settings_tool/UnsavableEntry.h"

namespace tal {

namespace {

constexpr std::string_view errorCaption = "エラー";
constexpr std::string_view startPageMissing = "スタートページのURLを入力してください。";
constexpr std::string_view shutdownTimeWrong = "電源終了時刻が間違っています。";
constexpr std::string_view saveFailed = "設定を保存できませんでした。";

// A check box and the key it stands for: the word that makes it checked, and the one it saves
// when unchecked.
struct FlagBox {
    CheckControl control;
    Setting setting;
    std::string_view checkedWord;
    std::string_view uncheckedWord;
};

constexpr std::array flagBoxes{
    FlagBox{CheckControl::returnButton, settings::InitButton, flagOn, flagOff},
    FlagBox{CheckControl::taskBar, settings::TaskBar, flagOff, flagOn},
    FlagBox{CheckControl::contextMenu, settings::ContextMenu, flagOff, flagOn},
    FlagBox{CheckControl::toolBar, settings::ToolBar, flagOff, flagOn},
};

struct ShutdownTime {
    std::string hour;
    std::string minute;
};

// Both texts numeric and in range, formatted with two digits; nothing when either is wrong.
std::optional<ShutdownTime> CheckShutdownTime(std::string_view hourText,
                                              std::string_view minuteText) {
    const std::optional<double> hour = NumericValue(hourText);
    const std::optional<double> minute = NumericValue(minuteText);
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    return ShutdownTime{FormatTwoDigits(*hour), FormatTwoDigits(*minute)};
}

}  // namespace

SettingsForm::SettingsForm(SettingsFormPorts ports, SettingsFormView& view)
    : ports_(ports), view_(view) {}

void SettingsForm::load() {
    settingsPath_ = SettingsFilePath(ports_.process.applicationPath());
    const PolicyStore policies(ports_.registry);
    const SettingsFile file(ports_.profile, settingsPath_, &policies);

    view_.setText(
        TextControl::startPage,
        file.ReadSetting(settings::StartPage.key, settings::StartPage.settingsToolDefault));

    // "HH:MM" without any check: the boxes take whatever characters stand where the hour and the
    // minute belong.
    const std::string time = file.ReadSetting(settings::TimeToShutdown.key,
                                              settings::TimeToShutdown.settingsToolDefault);
    if (!time.empty()) {
        view_.setText(TextControl::shutdownHour, time.substr(0, 2));
        view_.setText(TextControl::shutdownMinute, time.size() > 3 ? time.substr(3, 2) : "");
    }

    for (const FlagBox& box : flagBoxes) {
        const std::string value =
            file.ReadSetting(box.setting.key, box.setting.settingsToolDefault);
        view_.setChecked(box.control, FlagIs(value, box.checkedWord));
    }

    managed_.clear();
    if (policies.value(settings::StartPage)) {
        managed_.push_back(settings::StartPage.key);
        view_.disable(TextControl::startPage);
    }
    if (policies.value(settings::TimeToShutdown)) {
        managed_.push_back(settings::TimeToShutdown.key);
        view_.disable(TextControl::shutdownHour);
        view_.disable(TextControl::shutdownMinute);
    }
    for (const FlagBox& box : flagBoxes) {
        if (policies.value(box.setting)) {
            managed_.push_back(box.setting.key);
            view_.disable(box.control);
        }
    }
    // The advanced dialog's keys count too: the title speaks for the whole tool.
    const bool anyManaged =
        std::any_of(settings::all.begin(), settings::all.end(),
                    [&](const Setting& setting) { return policies.value(setting).has_value(); });
    if (anyManaged) {
        view_.showManagedByPolicy();
    }
}

bool SettingsForm::isManaged(const Setting& setting) const {
    return std::find(managed_.begin(), managed_.end(), setting.key) != managed_.end();
}

void SettingsForm::saveAndClose() {
    // Everything is checked before the first write, so that a refused entry leaves the file as
    // it was.
    // A key that Group Policy sets is neither checked nor written: its value is not the
    // operator's to change here.
    std::vector<std::pair<std::string_view, std::string>> writes;
    if (!isManaged(settings::StartPage)) {
        const std::optional<std::string> startPage =
            entry(TextControl::startPage, settings::StartPage);
        if (!startPage) {
            return;
        }
        if (startPage->empty()) {
            showError(std::string(startPageMissing));
            view_.setFocus(TextControl::startPage);
            return;
        }
        writes.emplace_back(settings::StartPage.key, *startPage);
    }

    const std::optional<std::string> hour =
        isManaged(settings::TimeToShutdown)
            ? std::string()
            : entry(TextControl::shutdownHour, settings::TimeToShutdown);
    if (!hour) {
        return;
    }
    // An empty hour keeps the stored time, whatever the minute box holds.
    if (!hour->empty()) {
        const std::optional<std::string> minute =
            entry(TextControl::shutdownMinute, settings::TimeToShutdown);
        if (!minute) {
            return;
        }
        const std::optional<ShutdownTime> time = CheckShutdownTime(*hour, *minute);
        if (!time) {
            showError(std::string(shutdownTimeWrong));
            view_.setFocus(TextControl::shutdownHour);
            return;
        }
        view_.setText(TextControl::shutdownHour, time->hour);
        view_.setText(TextControl::shutdownMinute, time->minute);
        writes.emplace_back(settings::TimeToShutdown.key, time->hour + ":" + time->minute);
    }

    for (const FlagBox& box : flagBoxes) {
        if (!isManaged(box.setting)) {
            writes.emplace_back(box.setting.key,
                                view_.isChecked(box.control) ? box.checkedWord : box.uncheckedWord);
        }
    }

    const SettingsFile file = settingsFile();
    for (const auto& [key, value] : writes) {
        if (!file.WriteSetting(key, value)) {
            // The dialog stays open with the entries, so that the operator can retry elsewhere.
            showError(std::string(saveFailed) + "\n" + ports_.ansiText.toUtf8(settingsPath_));
            return;
        }
    }
    view_.close();
}

void SettingsForm::resetDesktopState() {
    for (const platform::WindowHandle window : TaskBarWindows(ports_.desktop, ports_.system)) {
        ports_.desktop.showWindow(window, platform::show_command::showNormal);
    }

    // Each key is closed before the next one is opened. The policy key may be created; the
    // toolbar key is only opened, so that a machine without it stays without it.
    if (const auto policy =
            ports_.registry.createKey(std::string(lockdown::contextMenuPolicyKey))) {
        policy->deleteValue(std::string(lockdown::contextMenuPolicyValue));
    }
    if (const auto toolbar = ports_.registry.openKey(std::string(lockdown::toolbarLayoutKey))) {
        toolbar->deleteValue(std::string(lockdown::toolbarLayoutValue));
    }
    if (const auto system = ports_.registry.openKey(std::string(lockdown::systemPolicyKey))) {
        system->deleteValue(std::string(lockdown::taskManagerPolicyValue));
    }
}

std::optional<std::string> SettingsForm::entry(TextControl control, const Setting& setting) {
    std::optional<std::string> text = view_.text(control);
    if (!text) {
        showError(UnsavableEntryMessage(setting.label));
        view_.setFocus(control);
    }
    return text;
}

void SettingsForm::showError(const std::string& text) {
    ports_.messageBoxes.show(text, std::string(errorCaption), platform::message_box_style::okOnly);
}

}  // namespace tal
