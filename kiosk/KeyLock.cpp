#include "kiosk/KeyLock.h"

#include "kiosk/KeyStroke.h"

namespace tal {

namespace {

namespace vk = virtual_key;

// A modifier as its generic key and its left and right keys.
struct Modifier {
    std::uint32_t either;
    std::uint32_t left;
    std::uint32_t right;
};

constexpr Modifier control{vk::control, vk::leftControl, vk::rightControl};
constexpr Modifier alt{vk::alt, vk::leftAlt, vk::rightAlt};
constexpr Modifier shift{vk::shift, vk::leftShift, vk::rightShift};

bool Held(const std::bitset<256>& down, const Modifier& modifier) {
    return down[modifier.either] || down[modifier.left] || down[modifier.right];
}

// What makes a key going down leave the kiosk.
enum class Leaves { never, always, withAlt, withAltOrControl, withControl };

Leaves WhenLeaves(std::uint32_t key) {
    switch (key) {
        case vk::leftWindows:
        case vk::rightWindows:
        case vk::applications:
        case vk::sleep:
            return Leaves::always;
        case vk::tab:
        case vk::f4:
            return Leaves::withAlt;
        case vk::escape:
            return Leaves::withAltOrControl;
        case vk::f10:
            return Leaves::withControl;
        default:
            return (key >= vk::firstBrowser && key <= vk::lastBrowser) ||
                           (key >= vk::firstLaunch && key <= vk::lastLaunch)
                       ? Leaves::always
                       : Leaves::never;
    }
}

}  // namespace

KeyLock::Action KeyLock::stroke(std::uint32_t key, bool down, bool altFlag, std::uint32_t time) {
    if (key >= down_.size()) {
        return Action::pass;
    }
    // Unsigned: right across the tick's wrap-around.
    if (time - lastStroke_ > quietMilliseconds) {
        forgetReleasedModifiers();
    }
    lastStroke_ = time;
    const bool repeat = down && down_[key];
    down_[key] = down;
    if (!down) {
        const bool wasSwallowed = swallowed_[key];
        swallowed_[key] = false;
        return wasSwallowed ? Action::swallow : Action::pass;
    }
    if (isOperatorChord(key, altFlag)) {
        swallowed_[key] = true;
        return repeat ? Action::swallow : Action::openOperatorMenu;
    }
    if (!leaves(key, altFlag)) {
        return Action::pass;
    }
    swallowed_[key] = true;
    return Action::swallow;
}

bool KeyLock::isOperatorChord(std::uint32_t key, bool altFlag) const {
    return rules_.operatorChord && key == vk::f12 && Held(down_, control) && Held(down_, shift) &&
           (altFlag || Held(down_, alt));
}

bool KeyLock::leaves(std::uint32_t key, bool altFlag) {
    const Leaves when = WhenLeaves(key);
    if (!rules_.systemKeys || when == Leaves::never ||
        keyboard_.foregroundProcessId() != kioskProcessId_) {
        return false;
    }
    switch (when) {
        case Leaves::withAlt:
            return altFlag || Held(down_, alt);
        case Leaves::withAltOrControl:
            return altFlag || Held(down_, alt) || Held(down_, control);
        case Leaves::withControl:
            return Held(down_, control);
        default:
            return true;
    }
}

void KeyLock::forgetReleasedModifiers() {
    for (const Modifier& modifier : {control, alt, shift}) {
        if (Held(down_, modifier) && !keyboard_.isKeyDown(modifier.either)) {
            down_[modifier.either] = down_[modifier.left] = down_[modifier.right] = false;
        }
    }
}

}  // namespace tal
