#include "settings_tool/ui/SettingsDialog.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "common/NumberText.h"
#include "settings_tool/ui/ControlIds.h"
#include "settings_tool/ui/DialogLayout.h"

namespace tal::settings_dialog {

namespace {

int IdOf(TextControl control) {
    switch (control) {
        case TextControl::startPage:
            return startPage;
        case TextControl::shutdownHour:
            return shutdownHour;
        case TextControl::shutdownMinute:
            return shutdownMinute;
    }
    throw std::logic_error("unknown text control");
}

int IdOf(CheckControl control) {
    switch (control) {
        case CheckControl::returnButton:
            return returnButton;
        case CheckControl::taskBar:
            return taskBar;
        case CheckControl::contextMenu:
            return contextMenu;
        case CheckControl::toolBar:
            return toolBar;
    }
    throw std::logic_error("unknown check box");
}

// "00" to the last value, two digits each.
std::vector<std::string> TwoDigitItems(int count) {
    std::vector<std::string> items;
    for (int value = 0; value < count; ++value) {
        items.push_back(FormatTwoDigits(value));
    }
    return items;
}

}  // namespace

SettingsDialog::SettingsDialog(HINSTANCE instance)
    : DialogWindow(instance,
                   {L"TalSettingsDialog", caption, design, "設定画面を作成できませんでした。"}) {
    controls().setItems(shutdownHour, TwoDigitItems(hourItems));
    controls().setItems(shutdownMinute, TwoDigitItems(minuteItems));
}

void SettingsDialog::setHandlers(const DialogHandlers& handlers) {
    onClick(closeButton, handlers.closeClicked);
    onClick(resetButton, handlers.resetClicked);
    onClick(advancedButton, handlers.advancedClicked);
}

std::optional<std::string> SettingsDialog::text(TextControl which) {
    return controls().text(IdOf(which));
}

void SettingsDialog::setText(TextControl which, const std::string& text) {
    controls().setText(IdOf(which), text);
}

bool SettingsDialog::isChecked(CheckControl which) {
    return controls().isChecked(IdOf(which));
}

void SettingsDialog::setChecked(CheckControl which, bool checked) {
    controls().setChecked(IdOf(which), checked);
}

void SettingsDialog::setFocus(TextControl which) {
    controls().focus(IdOf(which));
}

void SettingsDialog::disable(TextControl which) {
    controls().disable(IdOf(which));
}

void SettingsDialog::disable(CheckControl which) {
    controls().disable(IdOf(which));
}

void SettingsDialog::showManagedByPolicy() {
    setCaption(std::string(caption) + std::string(managedCaptionSuffix));
}

}  // namespace tal::settings_dialog
