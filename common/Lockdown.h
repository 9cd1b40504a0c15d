#pragma once

#include <cstddef>
#include <string_view>

namespace tal {

// What the kiosk's desktop lockdown changes and the settings tool's state reset restores.
namespace lockdown {
inline constexpr std::string_view taskBarClass = "Shell_TrayWnd";

inline constexpr std::string_view contextMenuPolicyKey =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
inline constexpr std::string_view contextMenuPolicyValue = "NoBrowserContextMenu";

inline constexpr std::string_view toolbarLayoutKey =
    "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
inline constexpr std::string_view toolbarLayoutValue = "ITBarLayout";
// The layout as the kiosk handles it, and the byte that shows the toolbar.
inline constexpr std::size_t toolbarLayoutSize = 564;
inline constexpr std::size_t toolbarVisibleByte = 24;
}  // namespace lockdown

}  // namespace tal
