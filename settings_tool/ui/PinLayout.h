#pragma once

#include <array>
#include <string_view>

#include "settings_tool/ui/ControlLayout.h"
#include "settings_tool/ui/PinControlIds.h"

namespace tal::settings_dialog::operator_pin {

inline constexpr std::string_view caption = "管理者 PIN";

inline constexpr std::array<ControlLayout, 7> controls{{
    {pinLabel, ControlKind::label, "PIN", 120, 240, 1335, 255},
    {pin, ControlKind::pinBox, "", 1560, 170, 2400, 270},
    {confirmationLabel, ControlKind::label, "PIN (確認)", 120, 600, 1335, 255},
    {confirmation, ControlKind::pinBox, "", 1560, 530, 2400, 270},
    {okButton, ControlKind::pushButton, "OK", 120, 1020, 735, 375},
    {cancelButton, ControlKind::pushButton, "キャンセル", 960, 1020, 1215, 375},
    {removeButton, ControlKind::pushButton, "PIN を削除", 2640, 1020, 1320, 375},
}};

inline constexpr DialogDesign design{4080, 1560, controls};

}  // namespace tal::settings_dialog::operator_pin
