#include "settings_tool/ui/AdvancedDialog.h"

#include <stdexcept>

#include "settings_tool/ui/AdvancedLayout.h"

namespace tal::settings_dialog {

namespace {

int IdOf(AdvancedText control) {
    switch (control) {
        case AdvancedText::idleReset:
            return advanced::idleReset;
        case AdvancedText::idleWarning:
            return advanced::idleWarning;
        case AdvancedText::hangSeconds:
            return advanced::hangSeconds;
        case AdvancedText::offlineRetry:
            return advanced::offlineRetry;
        case AdvancedText::allowedSites:
            return advanced::allowedSites;
        case AdvancedText::restartTime:
            return advanced::restartTime;
    }
    throw std::logic_error("unknown advanced text control");
}

int IdOf(AdvancedCheck control) {
    switch (control) {
        case AdvancedCheck::clearSession:
            return advanced::clearSession;
        case AdvancedCheck::printing:
            return advanced::printing;
        case AdvancedCheck::keyLock:
            return advanced::keyLock;
        case AdvancedCheck::taskManagerOff:
            return advanced::taskManagerOff;
    }
    throw std::logic_error("unknown advanced check box");
}

int IdOf(AdvancedChoice control) {
    switch (control) {
        case AdvancedChoice::browserMode:
            return advanced::browserMode;
        case AdvancedChoice::newWindows:
            return advanced::newWindows;
    }
    throw std::logic_error("unknown advanced drop-down list");
}

int IdOf(AdvancedButton control) {
    switch (control) {
        case AdvancedButton::operatorPin:
            return advanced::operatorPinButton;
    }
    throw std::logic_error("unknown advanced button");
}

}  // namespace

AdvancedDialog::AdvancedDialog(HINSTANCE instance, HWND owner)
    : DialogWindow(instance,
                   {L"TalAdvancedSettingsDialog", advanced::caption, advanced::design,
                    "詳細設定の画面を作成できませんでした。"},
                   owner) {
    onClick(advanced::cancelButton, [this] { endDialog(); });
}

void AdvancedDialog::setSaveHandler(std::function<void()> handler) {
    onClick(advanced::saveButton, std::move(handler));
}

void AdvancedDialog::setRecommendedHandler(std::function<void()> handler) {
    onClick(advanced::recommendedButton, std::move(handler));
}

void AdvancedDialog::setOperatorPinHandler(std::function<void()> handler) {
    onClick(advanced::operatorPinButton, std::move(handler));
}

std::optional<std::string> AdvancedDialog::text(AdvancedText which) {
    return controls().text(IdOf(which));
}

void AdvancedDialog::setText(AdvancedText which, const std::string& text) {
    controls().setText(IdOf(which), text);
}

bool AdvancedDialog::isChecked(AdvancedCheck which) {
    return controls().isChecked(IdOf(which));
}

void AdvancedDialog::setChecked(AdvancedCheck which, bool checked) {
    controls().setChecked(IdOf(which), checked);
}

void AdvancedDialog::setChoices(AdvancedChoice which, const std::vector<std::string>& names,
                                std::size_t selected) {
    controls().setItems(IdOf(which), names);
    controls().select(IdOf(which), selected);
}

std::size_t AdvancedDialog::choice(AdvancedChoice which) {
    return controls().selection(IdOf(which));
}

void AdvancedDialog::setFocus(AdvancedText which) {
    controls().focus(IdOf(which));
}

void AdvancedDialog::disable(AdvancedText which) {
    controls().disable(IdOf(which));
}

void AdvancedDialog::disable(AdvancedCheck which) {
    controls().disable(IdOf(which));
}

void AdvancedDialog::disable(AdvancedChoice which) {
    controls().disable(IdOf(which));
}

void AdvancedDialog::disable(AdvancedButton which) {
    controls().disable(IdOf(which));
}

void AdvancedDialog::showPinStatus(const std::string& text) {
    controls().setCaption(advanced::operatorPinStatus, text);
}

}  // namespace tal::settings_dialog
