#include "settings_tool/ui/PinDialog.h"

#include "settings_tool/ui/PinLayout.h"

namespace tal::settings_dialog {

namespace {

int IdOf(PinEntry entry) {
    return entry == PinEntry::pin ? operator_pin::pin : operator_pin::confirmation;
}

}  // namespace

PinDialog::PinDialog(HINSTANCE instance, HWND owner)
    : DialogWindow(instance,
                   {L"TalOperatorPinDialog", operator_pin::caption, operator_pin::design,
                    "管理者 PIN の画面を作成できませんでした。"},
                   owner) {
    onClick(operator_pin::cancelButton, [this] { endDialog(); });
}

void PinDialog::setHandlers(std::function<void()> confirm, std::function<void()> remove) {
    onClick(operator_pin::okButton, std::move(confirm));
    onClick(operator_pin::removeButton, std::move(remove));
}

std::optional<std::string> PinDialog::text(PinEntry entry) {
    return controls().text(IdOf(entry));
}

void PinDialog::clearEntries() {
    controls().setText(operator_pin::pin, "");
    controls().setText(operator_pin::confirmation, "");
}

void PinDialog::setFocus(PinEntry entry) {
    controls().focus(IdOf(entry));
}

void PinDialog::disableRemoval() {
    controls().disable(operator_pin::removeButton);
}

}  // namespace tal::settings_dialog
