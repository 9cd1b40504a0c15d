#pragma once

// The settings dialog's controls, for GetDlgItem; IDOK and IDCANCEL (1, 2) are not among them, so
// that Enter and Escape do not press a button.
namespace tal::settings_dialog {

inline constexpr int Label1 = 101;
inline constexpr int txtStartPage = 102;
inline constexpr int Label2 = 103;
inline constexpr int cmbShutdownHour = 104;
inline constexpr int Label3 = 105;
inline constexpr int cmbShutdownMin = 106;
inline constexpr int Label4 = 107;
inline constexpr int Label5 = 108;
inline constexpr int chkBackButton = 109;
inline constexpr int Label6 = 110;
inline constexpr int chkTaskBar = 111;
inline constexpr int Label7 = 112;
inline constexpr int chkContextMenu = 113;
inline constexpr int Label8 = 114;
inline constexpr int chkToolBar = 115;
inline constexpr int cmdClose = 116;
inline constexpr int cmdStatusInit = 117;

// The settings tool's icon in its resources.
inline constexpr int iconResource = 1;

}  // namespace tal::settings_dialog
