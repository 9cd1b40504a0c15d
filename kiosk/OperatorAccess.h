#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/EventLog.h"
#include "common/PinHash.h"
#include "kiosk/OperatorMenuState.h"
#include "platform/Cryptography.h"
#include "platform/UserInput.h"

namespace tal {

// The operator's way into a locked-down kiosk: a PIN, kept only as its hash, opens a menu of the
// operator's choices. Five wrong PINs in a row lock the menu for five minutes; the menu goes after
// a minute without input. Every attempt goes to the log as `operator outcome=...`, never the PIN.
// Times are milliseconds of the kiosk's clock.
class OperatorAccess {
public:
    static constexpr std::uint32_t wrongPinsBeforeLock = 5;
    static constexpr std::uint32_t lockMilliseconds = 5 * 60'000;
    static constexpr std::uint32_t idleMilliseconds = 60'000;

    OperatorAccess(EventLog& log, platform::Cryptography& crypto) : log_(log), crypto_(crypto) {}

    // OperatorPin as the settings give it: empty, no menu; text that is no well-formed hash, no
    // menu and one line in the log.
    void configure(std::string_view stored);
    bool enabled() const { return pin_.has_value(); }
    bool menuOpen() const { return open_; }

    // The hotkey or the taps: the page the menu opens with; nothing without a PIN. A menu that is
    // open already starts again at the PIN.
    std::optional<OperatorMenuState> open(std::uint32_t now);
    // The operator entered `digits` and pressed OK: the page the menu shows next.
    OperatorMenuState submit(std::string_view digits, std::uint32_t now);
    // Whether the menu's choices may be carried out: the right PIN was entered since it opened.
    bool unlocked() const { return open_ && unlocked_; }
    // At a tick: true when the menu is to close, after a minute without input.
    bool idleTooLong(const platform::InputTimes& input) const;
    // The menu went: the next opening asks for the PIN again.
    void close();

private:
    std::optional<std::uint32_t> lockedMinutes(std::uint32_t now);

    EventLog& log_;
    platform::Cryptography& crypto_;
    std::optional<PinHash> pin_;
    bool open_ = false;
    bool unlocked_ = false;
    std::uint32_t openedAt_ = 0;
    std::uint32_t wrongInARow_ = 0;
    std::optional<std::uint32_t> lockedAt_;
};

}  // namespace tal
