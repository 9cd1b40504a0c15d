#include "kiosk/KeyLock.h"

#include "kiosk/KeyStroke.h"

namespace tal {

namespace {

bool Is(std::uint32_t key, std::uint32_t either, std::uint32_t left, std::uint32_t right) {
    return key == either || key == left || key == right;
}

}  // namespace

bool KeyLock::swallow(std::uint32_t key, bool down, bool altFlag, bool kioskInFront) {
    namespace vk = virtual_key;
    if (Is(key, vk::control, vk::leftControl, vk::rightControl)) {
        control_ = down;
    } else if (Is(key, vk::shift, vk::leftShift, vk::rightShift)) {
        shift_ = down;
    } else if (Is(key, vk::alt, vk::leftAlt, vk::rightAlt)) {
        alt_ = down;
    }
    if (!down) {
        return swallowed_.erase(key) > 0;
    }
    if (!kioskInFront || !isLeavingKey(key, alt_ || altFlag)) {
        return false;
    }
    swallowed_.insert(key);
    return true;
}

bool KeyLock::isLeavingKey(std::uint32_t key, bool alt) const {
    namespace vk = virtual_key;
    switch (key) {
        case vk::leftWindows:
        case vk::rightWindows:
        case vk::applications:
            return true;
        case vk::tab:
        case vk::f4:
            return alt;
        case vk::escape:
            return alt || control_;
        default:
            return false;
    }
}

}  // namespace tal
