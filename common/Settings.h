#pragma once

#include <array>
#include <string_view>

namespace tal {

inline constexpr std::string_view defaultStartPage = "https://www.wikipedia.org/";

// What a key's value is, as far as a policy may set it.
enum class SettingKind {
    text,
    // "on" or "off"; a policy may give 1 or 0.
    flag,
    // A number of seconds; a policy may give the number.
    seconds,
    // Written by the kiosk itself: never a policy.
    position,
};

// A key of section CONFIG with the value each program assumes while the key is missing.
struct Setting {
    std::string_view key;
    std::string_view kioskDefault;
    // Only for keys that the settings tool shows; the others it never reads.
    std::string_view settingsToolDefault;
    SettingKind kind = SettingKind::text;
};

namespace settings {
inline constexpr Setting StartPage{"StartPage", defaultStartPage, defaultStartPage};
inline constexpr Setting TimeToShutdown{"TimeToShutdown", "", "18:00"};
inline constexpr Setting WaitToStart{"WaitToStart", "0", {}, SettingKind::seconds};
inline constexpr Setting TaskBar{"TaskBar", "on", "off", SettingKind::flag};
inline constexpr Setting TaskBarHide{"TaskBarHide", "off", {}, SettingKind::flag};
inline constexpr Setting ContextMenu{"ContextMenu", "on", "off", SettingKind::flag};
inline constexpr Setting ToolBar{"ToolBar", "on", "off", SettingKind::flag};
inline constexpr Setting InitButton{"InitButton", "off", "on", SettingKind::flag};
inline constexpr Setting InitButtonX{"InitButtonX", "0", {}, SettingKind::position};
inline constexpr Setting InitButtonY{"InitButtonY", "0", {}, SettingKind::position};
inline constexpr Setting ClearSession{"ClearSession", "off", {}, SettingKind::flag};
inline constexpr Setting IdleReset{"IdleReset", "0", {}, SettingKind::seconds};
inline constexpr Setting IdleWarning{"IdleWarning", "10", {}, SettingKind::seconds};
inline constexpr Setting BrowserMode{"BrowserMode", "edge", {}};
inline constexpr Setting NewWindows{"NewWindows", "same", {}};
inline constexpr Setting AllowedSites{"AllowedSites", "", {}};
inline constexpr Setting Printing{"Printing", "off", {}, SettingKind::flag};
inline constexpr Setting KeyLock{"KeyLock", "off", {}, SettingKind::flag};
inline constexpr Setting TaskManager{"TaskManager", "on", {}, SettingKind::flag};
// Read by the watchdog, talwatch.exe.
inline constexpr Setting HangSeconds{"HangSeconds", "30", {}, SettingKind::seconds};

inline constexpr std::array all{
    StartPage,  TimeToShutdown, WaitToStart, TaskBar,      TaskBarHide, ContextMenu, ToolBar,
    InitButton, InitButtonX,    InitButtonY, ClearSession, IdleReset,   IdleWarning, BrowserMode,
    NewWindows, AllowedSites,   Printing,    KeyLock,      TaskManager, HangSeconds};
}  // namespace settings

}  // namespace tal
