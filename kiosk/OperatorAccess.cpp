#include "kiosk/OperatorAccess.h"

#include "common/NumberText.h"
#include "kiosk/TickSince.h"

namespace tal {

void OperatorAccess::configure(std::string_view stored) {
    pin_.reset();
    if (stored.empty()) {
        return;
    }
    ParsedPinHash parsed = ParsePinHash(stored);
    if (!parsed.hash) {
        log_.write("operator-pin-malformed", {{"fault", PinHashFaultName(parsed.fault)}});
        return;
    }
    pin_ = *std::move(parsed.hash);
}

std::optional<std::uint32_t> OperatorAccess::lockedMinutes(std::uint32_t now) {
    if (!lockedAt_) {
        return std::nullopt;
    }
    const std::uint32_t elapsed = MillisecondsSince(now, *lockedAt_);
    if (elapsed >= lockMilliseconds) {
        lockedAt_.reset();
        wrongInARow_ = 0;
        return std::nullopt;
    }
    return (lockMilliseconds - elapsed + 59'999) / 60'000;
}

std::optional<OperatorMenuState> OperatorAccess::open(std::uint32_t now) {
    if (!pin_) {
        return std::nullopt;
    }
    open_ = true;
    unlocked_ = false;
    openedAt_ = now;
    if (const std::optional<std::uint32_t> minutes = lockedMinutes(now)) {
        log_.write("operator", {{"outcome", "locked"}});
        return OperatorMenuState{OperatorMenuPage::locked, *minutes};
    }
    return OperatorMenuState{};
}

OperatorMenuState OperatorAccess::submit(std::string_view digits, std::uint32_t now) {
    if (!pin_ || !open_ || unlocked_) {
        return {unlocked() ? OperatorMenuPage::choices : OperatorMenuPage::pin};
    }
    // A press that the greyed button let through still finds the lock.
    if (const std::optional<std::uint32_t> minutes = lockedMinutes(now)) {
        return {OperatorMenuPage::locked, *minutes};
    }
    const PinCheck check = CheckPin(digits, *pin_, crypto_);
    if (check == PinCheck::matches) {
        wrongInARow_ = 0;
        unlocked_ = true;
        log_.write("operator", {{"outcome", "ok"}});
        return {OperatorMenuPage::choices};
    }
    if (check == PinCheck::failed) {
        // The system's fault, not the operator's: no step towards the lock.
        log_.write("operator-pin-failed", {{"status", StatusText(crypto_.lastStatus())}});
        return {OperatorMenuPage::wrongPin};
    }
    ++wrongInARow_;
    log_.write("operator", {{"outcome", "wrong"}});
    if (wrongInARow_ < wrongPinsBeforeLock) {
        return {OperatorMenuPage::wrongPin};
    }
    lockedAt_ = now;
    log_.write("operator", {{"outcome", "locked"}});
    return {OperatorMenuPage::locked, *lockedMinutes(now)};
}

bool OperatorAccess::idleTooLong(const platform::InputTimes& input) const {
    if (!open_) {
        return false;
    }
    // The later of the opening and the last input: the press that opened it may be older.
    const std::uint32_t sinceOpened = MillisecondsSince(input.now, openedAt_);
    const std::uint32_t sinceInput = MillisecondsSince(input.now, input.lastInput);
    return std::min(sinceOpened, sinceInput) >= idleMilliseconds;
}

void OperatorAccess::close() {
    open_ = false;
    unlocked_ = false;
}

}  // namespace tal
