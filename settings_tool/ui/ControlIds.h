#pragma once

// The settings dialog's controls, for GetDlgItem; IDOK and IDCANCEL (1, 2) are not among them, so
// that Enter and Escape do not press a button.
namespace tal::settings_dialog {

inline constexpr int startPageLabel = 101;
inline constexpr int startPage = 102;
inline constexpr int shutdownTimeLabel = 103;
inline constexpr int shutdownHour = 104;
inline constexpr int hourLabel = 105;
inline constexpr int shutdownMinute = 106;
inline constexpr int minuteLabel = 107;
inline constexpr int returnButtonLabel = 108;
inline constexpr int returnButton = 109;
inline constexpr int taskBarLabel = 110;
inline constexpr int taskBar = 111;
inline constexpr int contextMenuLabel = 112;
inline constexpr int contextMenu = 113;
inline constexpr int toolBarLabel = 114;
inline constexpr int toolBar = 115;
inline constexpr int closeButton = 116;
inline constexpr int resetButton = 117;
inline constexpr int advancedButton = 118;

// The settings tool's icon in its resources.
inline constexpr int iconResource = 1;

}  // namespace tal::settings_dialog
