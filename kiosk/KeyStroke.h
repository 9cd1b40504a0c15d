#pragma once

#include <cstdint>

namespace tal {

// Virtual-key codes the kiosk's keyboard rules name.
namespace virtual_key {
inline constexpr std::uint32_t tab = 0x09;
inline constexpr std::uint32_t shift = 0x10;
inline constexpr std::uint32_t control = 0x11;
inline constexpr std::uint32_t alt = 0x12;
inline constexpr std::uint32_t escape = 0x1B;
inline constexpr std::uint32_t leftWindows = 0x5B;
inline constexpr std::uint32_t rightWindows = 0x5C;
inline constexpr std::uint32_t applications = 0x5D;
inline constexpr std::uint32_t sleep = 0x5F;
inline constexpr std::uint32_t f1 = 0x70;
inline constexpr std::uint32_t f4 = 0x73;
inline constexpr std::uint32_t f10 = 0x79;
inline constexpr std::uint32_t f11 = 0x7A;
inline constexpr std::uint32_t f12 = 0x7B;
inline constexpr std::uint32_t leftShift = 0xA0;
inline constexpr std::uint32_t rightShift = 0xA1;
inline constexpr std::uint32_t leftControl = 0xA2;
inline constexpr std::uint32_t rightControl = 0xA3;
inline constexpr std::uint32_t leftAlt = 0xA4;
inline constexpr std::uint32_t rightAlt = 0xA5;
// Back, forward, refresh, stop, search, favourites, home.
inline constexpr std::uint32_t firstBrowser = 0xA6;
inline constexpr std::uint32_t lastBrowser = 0xAC;
inline constexpr std::uint32_t browserHome = 0xAC;
// Mail, media player, "App1" (the file explorer), "App2" (the calculator).
inline constexpr std::uint32_t firstLaunch = 0xB4;
inline constexpr std::uint32_t lastLaunch = 0xB7;
inline constexpr std::uint32_t launchMail = 0xB4;
inline constexpr std::uint32_t launchApp1 = 0xB6;
}  // namespace virtual_key

// A key pressed, with the modifiers held at the time.
struct KeyStroke {
    std::uint32_t virtualKey = 0;
    bool control = false;
    bool shift = false;
    bool alt = false;
};

}  // namespace tal
