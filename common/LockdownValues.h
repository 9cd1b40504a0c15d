#pragma once

#include <cstddef>
#include <string_view>

// What the kiosk's desktop lockdown changes and the settings tool's state reset undoes.
namespace tal::lockdown {

// The taskbar: the top-level window of this class with an empty title.
inline constexpr std::string_view taskBarClass = "Shell_TrayWnd";
// On Windows 7 the Start button is a top-level window of its own beside the taskbar, of this class,
// in the taskbar's process; its title is the system language's word for "Start".
inline constexpr std::string_view startButtonClass = "Button";

// Under HKEY_CURRENT_USER: the browser's context-menu policy, a REG_DWORD of 1 when switched off.
inline constexpr std::string_view contextMenuPolicyKey =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
inline constexpr std::string_view contextMenuPolicyValue = "NoBrowserContextMenu";

// Under HKEY_CURRENT_USER: the browser control's toolbar layout, REG_BINARY.
inline constexpr std::string_view toolbarLayoutKey =
    "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
inline constexpr std::string_view toolbarLayoutValue = "ITBarLayout";
// The layout as the kiosk handles it, and the byte that shows the toolbar.
inline constexpr std::size_t toolbarLayoutSize = 564;
inline constexpr std::size_t toolbarVisibleByte = 24;

// Under HKEY_CURRENT_USER: the system policy that switches the Task Manager off, a REG_DWORD of 1.
inline constexpr std::string_view systemPolicyKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr std::string_view taskManagerPolicyValue = "DisableTaskMgr";

}  // namespace tal::lockdown
