#pragma once

#include <cstdint>

namespace tal {

// What the operator menu shows.
enum class OperatorMenuPage {
    // The PIN field, the digits, "OK" and "キャンセル".
    pin,
    // The same after a wrong PIN, saying so.
    wrongPin,
    // The field and "OK" greyed for the rest of a lock-out.
    locked,
    // The operator's choices after the right PIN.
    choices,
};

struct OperatorMenuState {
    OperatorMenuPage page = OperatorMenuPage::pin;
    // While locked: whole minutes left, rounded up.
    std::uint32_t minutesLeft = 0;
};

// What the operator chose after the right PIN, or "閉じる" and "キャンセル" (close).
enum class OperatorChoice { exit, settingsTool, restart, close };

}  // namespace tal
