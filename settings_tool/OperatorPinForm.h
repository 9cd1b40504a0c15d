#pragma once

#include <optional>
#include <string>

#include "platform/Cryptography.h"
#include "platform/MessageBoxes.h"
#include "settings_tool/OperatorPinView.h"

namespace tal {

// The operator PIN dialog's behaviour: the same 4 to 12 digits typed twice become the hash that
// OperatorPin keeps. The PIN itself is kept nowhere; nothing is written here either, the advanced
// dialog writes what this decided when it saves.
class OperatorPinForm {
public:
    // `pinSet`: OperatorPin holds a value that "PIN を削除" may remove.
    OperatorPinForm(OperatorPinView& view, platform::MessageBoxes& messageBoxes,
                    platform::Cryptography& crypto, bool pinSet);

    // Leaves "PIN を削除" pressable only when there is a PIN to remove.
    void load();
    // "OK": the hash of the PIN when both entries hold the same valid PIN, and the dialog closes;
    // otherwise the operator is told what is wrong and types it again.
    void confirm();
    // "PIN を削除": the PIN goes, and the dialog closes.
    void remove();

    // What OperatorPin is to hold: nothing when the dialog changed nothing, the empty text when
    // the PIN is removed, otherwise the new hash.
    const std::optional<std::string>& newValue() const { return newValue_; }

private:
    void refuse(const std::string& text);

    OperatorPinView& view_;
    platform::MessageBoxes& messageBoxes_;
    platform::Cryptography& crypto_;
    bool pinSet_;
    std::optional<std::string> newValue_;
};

}  // namespace tal
