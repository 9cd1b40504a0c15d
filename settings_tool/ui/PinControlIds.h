#pragma once

#include <windows.h>

// The operator PIN dialog's controls, for GetDlgItem. "OK" is IDOK, so that Enter in a field
// presses it, and "キャンセル" IDCANCEL, so that Escape does.
namespace tal::settings_dialog::operator_pin {

inline constexpr int pinLabel = 301;
inline constexpr int pin = 302;
inline constexpr int confirmationLabel = 303;
inline constexpr int confirmation = 304;
inline constexpr int removeButton = 305;
inline constexpr int okButton = IDOK;
inline constexpr int cancelButton = IDCANCEL;

}  // namespace tal::settings_dialog::operator_pin
