#pragma once

#include <windows.h>

// The advanced settings dialog's controls, for GetDlgItem. Its cancel button is IDCANCEL, so that
// Escape presses it; nothing is IDOK, so that Enter saves nothing by accident.
namespace tal::settings_dialog::advanced {

inline constexpr int idleResetLabel = 201;
inline constexpr int idleReset = 202;
inline constexpr int idleWarningLabel = 203;
inline constexpr int idleWarning = 204;
inline constexpr int hangSecondsLabel = 205;
inline constexpr int hangSeconds = 206;
inline constexpr int browserModeLabel = 207;
inline constexpr int browserMode = 208;
inline constexpr int newWindowsLabel = 209;
inline constexpr int newWindows = 210;
inline constexpr int clearSession = 211;
inline constexpr int printing = 212;
inline constexpr int keyLock = 213;
inline constexpr int taskManagerOff = 214;
inline constexpr int allowedSitesLabel = 215;
inline constexpr int allowedSites = 216;
inline constexpr int saveButton = 217;
inline constexpr int recommendedButton = 218;
inline constexpr int restartTimeLabel = 219;
inline constexpr int restartTime = 220;
inline constexpr int offlineRetryLabel = 221;
inline constexpr int offlineRetry = 222;
inline constexpr int operatorPinButton = 223;
inline constexpr int operatorPinStatus = 224;
inline constexpr int cancelButton = IDCANCEL;

}  // namespace tal::settings_dialog::advanced
