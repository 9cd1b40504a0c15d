#pragma once

#include <array>
#include <string_view>

namespace tal {

inline constexpr std::string_view defaultStartPage = "https://www.wikipedia.org/";

// A key of section CONFIG with the value each program assumes while the key is missing.
struct Setting {
    std::string_view key;
    std::string_view kioskDefault;
    // Only for keys that the settings tool shows; the others it never reads.
    std::string_view settingsToolDefault;
};

namespace settings {
inline constexpr Setting StartPage{"StartPage", defaultStartPage, defaultStartPage};
inline constexpr Setting TimeToShutdown{"TimeToShutdown", "", "18:00"};
inline constexpr Setting WaitToStart{"WaitToStart", "0", {}};
inline constexpr Setting TaskBar{"TaskBar", "on", "off"};
inline constexpr Setting TaskBarHide{"TaskBarHide", "off", {}};
inline constexpr Setting ContextMenu{"ContextMenu", "on", "off"};
inline constexpr Setting ToolBar{"ToolBar", "on", "off"};
inline constexpr Setting InitButton{"InitButton", "off", "on"};
inline constexpr Setting InitButtonX{"InitButtonX", "0", {}};
inline constexpr Setting InitButtonY{"InitButtonY", "0", {}};
inline constexpr Setting ClearSession{"ClearSession", "off", {}};
inline constexpr Setting IdleReset{"IdleReset", "0", {}};
inline constexpr Setting IdleWarning{"IdleWarning", "10", {}};
inline constexpr Setting BrowserMode{"BrowserMode", "edge", {}};
inline constexpr Setting NewWindows{"NewWindows", "same", {}};
inline constexpr Setting AllowedSites{"AllowedSites", "", {}};
inline constexpr Setting Printing{"Printing", "off", {}};
inline constexpr Setting KeyLock{"KeyLock", "off", {}};
inline constexpr Setting TaskManager{"TaskManager", "on", {}};
// Read by the watchdog talwatch; the kiosk's column holds its default all the same.
inline constexpr Setting HangSeconds{"HangSeconds", "30", {}};

inline constexpr std::array all{
    StartPage,  TimeToShutdown, WaitToStart, TaskBar,      TaskBarHide, ContextMenu, ToolBar,
    InitButton, InitButtonX,    InitButtonY, ClearSession, IdleReset,   IdleWarning, BrowserMode,
    NewWindows, AllowedSites,   Printing,    KeyLock,      TaskManager, HangSeconds};
}  // namespace settings

}  // namespace tal
