#pragma once

#include <bitset>
#include <cstdint>

#include "platform/KeyboardState.h"

namespace tal {

// The keys a visitor could leave the kiosk with: the Windows and Applications keys, Alt+Tab,
// Alt+Shift+Tab, Alt+Esc, Ctrl+Esc, Ctrl+Shift+Esc, Alt+F4, Ctrl+F10 (the input method's menu),
// the browser and launch keys (mail, home page, the file explorer) and the sleep key. Sees every
// key stroke of the session (from a low-level hook) and keeps the state of each modifier key
// itself, left and right apart, since the system's own flags are not set for every injected
// stroke. After a while without strokes, when keys may have gone up where the hook does not see
// them (the secure desktop, Win+L), the system's key state says which modifiers are still down;
// not sooner, since Wine forgets injected modifiers in its key state at times while they are
// held. A held key repeats, so a quiet while means nothing is held but what the system says.
// Typing costs no call to the system. With an operator PIN, the same hook hears the operator's
// chord Ctrl+Alt+Shift+F12, whatever is in front.
class KeyLock {
public:
    struct Rules {
        // Swallow the keys that leave the kiosk (KeyLock=on).
        bool systemKeys = true;
        // Hand Ctrl+Alt+Shift+F12 to the operator menu.
        bool operatorChord = false;
    };
    enum class Action { pass, swallow, openOperatorMenu };

    // `kioskProcessId`: the kiosk's own process, whose window in front the lock guards.
    KeyLock(platform::KeyboardState& keyboard, std::uint32_t kioskProcessId, Rules rules)
        : keyboard_(keyboard), kioskProcessId_(kioskProcessId), rules_(rules) {}

    // After this many milliseconds without a stroke the system's key state is asked.
    static constexpr std::uint32_t quietMilliseconds = 1000;

    // One key going down or up at `time` (the system's millisecond tick); `altFlag` is the
    // system's own word that Alt is held. Anything but `pass` keeps the stroke from everyone. Keys
    // pass while the kiosk is not in front, and the release of a swallowed key is swallowed with
    // it. The chord opens the menu once however long F12 repeats.
    Action stroke(std::uint32_t virtualKey, bool down, bool altFlag, std::uint32_t time);

private:
    bool leaves(std::uint32_t virtualKey, bool altFlag);
    bool isOperatorChord(std::uint32_t virtualKey, bool altFlag) const;
    void forgetReleasedModifiers();

    platform::KeyboardState& keyboard_;
    std::uint32_t kioskProcessId_;
    Rules rules_;
    // Virtual keys seen going down and not yet up, and those swallowed on their way down.
    std::bitset<256> down_;
    std::bitset<256> swallowed_;
    std::uint32_t lastStroke_ = 0;
};

}  // namespace tal
