#include "settings_tool/OperatorPinForm.h"

#include <string_view>
#include "common/NumberText.h"

#include "common/PinHash.h"

namespace tal {

namespace {

constexpr std::string_view errorCaption = "エラー";
constexpr std::string_view notAPin = "PIN は 4 から 12 桁の数字で入力してください。";
constexpr std::string_view entriesDiffer = "「PIN」と「PIN (確認)」が一致しません。";
constexpr std::string_view hashFailed = "PIN を設定できませんでした。";

}  // namespace

OperatorPinForm::OperatorPinForm(OperatorPinView& view, platform::MessageBoxes& messageBoxes,
                                 platform::Cryptography& crypto, bool pinSet)
    : view_(view), messageBoxes_(messageBoxes), crypto_(crypto), pinSet_(pinSet) {}

void OperatorPinForm::load() {
    if (!pinSet_) {
        view_.disableRemoval();
    }
}

void OperatorPinForm::confirm() {
    const std::optional<std::string> pin = view_.text(PinEntry::pin);
    if (!pin || !IsWellFormedPin(*pin)) {
        refuse(std::string(notAPin));
        return;
    }
    if (view_.text(PinEntry::confirmation) != pin) {
        refuse(std::string(entriesDiffer));
        return;
    }
    const std::optional<PinHash> hash = HashPin(*pin, crypto_);
    if (!hash) {
        refuse(std::string(hashFailed) + "(" + StatusText(crypto_.lastStatus()) + ")");
        return;
    }
    newValue_ = FormatPinHash(*hash);
    view_.close();
}

void OperatorPinForm::remove() {
    if (!pinSet_) {
        return;
    }
    newValue_ = std::string();
    view_.close();
}

void OperatorPinForm::refuse(const std::string& text) {
    view_.clearEntries();
    messageBoxes_.show(text, std::string(errorCaption), platform::message_box_style::okOnly);
    view_.setFocus(PinEntry::pin);
}

}  // namespace tal
