#pragma once

#include <cstdint>
#include <set>

namespace tal {

// The system keys a visitor could leave the kiosk with: the Windows and Applications keys,
// Alt+Tab, Alt+Shift+Tab, Alt+Esc, Ctrl+Esc, Ctrl+Shift+Esc and Alt+F4. Sees every key stroke of
// the session (from a low-level hook) and keeps the state of the modifiers itself, since the
// system's own flags are not set for every injected stroke.
class KeyLock {
public:
    // One key going down or up; `altFlag` is the system's own word that Alt is held. True when
    // the stroke must not reach anyone. Keys pass while the kiosk is not in front, and the
    // release of a swallowed key is swallowed with it.
    bool swallow(std::uint32_t virtualKey, bool down, bool altFlag, bool kioskInFront);

private:
    bool isLeavingKey(std::uint32_t virtualKey, bool alt) const;

    bool control_ = false;
    bool shift_ = false;
    bool alt_ = false;
    std::set<std::uint32_t> swallowed_;
};

}  // namespace tal
