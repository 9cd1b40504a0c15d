#pragma once

#include <array>
#include <string_view>

#include "settings_tool/ui/AdvancedControlIds.h"
#include "settings_tool/ui/ControlLayout.h"

namespace tal::settings_dialog::advanced {

inline constexpr std::string_view caption = "詳細設定";

// The number fields' labels are the names that the error boxes give them.
inline constexpr std::array<ControlLayout, 18> controls{{
    {idleResetLabel, ControlKind::label, "無操作リセット(秒)", 120, 240, 2175, 255},
    {idleReset, ControlKind::textBox, "", 2400, 170, 1215, 270},
    {idleWarningLabel, ControlKind::label, "予告(秒)", 120, 600, 2175, 255},
    {idleWarning, ControlKind::textBox, "", 2400, 530, 1215, 270},
    {hangSecondsLabel, ControlKind::label, "応答なしの判定(秒)", 120, 960, 2175, 255},
    {hangSeconds, ControlKind::textBox, "", 2400, 890, 1215, 270},
    {browserModeLabel, ControlKind::label, "表示モード", 120, 1320, 2175, 255},
    {browserMode, ControlKind::dropDownList, "", 2400, 1250, 1215, 300},
    {newWindowsLabel, ControlKind::label, "新しいウィンドウ", 120, 1680, 2175, 255},
    {newWindows, ControlKind::dropDownList, "", 2400, 1610, 1215, 300},
    {clearSession, ControlKind::checkBox, "リセットのたびに利用者の痕跡を消す", 120, 2040, 5775,
     255},
    {printing, ControlKind::checkBox, "印刷を許可する", 120, 2400, 5775, 255},
    {keyLock, ControlKind::checkBox, "システムキーを無効にする", 120, 2760, 5775, 255},
    {taskManagerOff, ControlKind::checkBox, "タスクマネージャーを使わせない", 120, 3120, 5775, 255},
    {allowedSitesLabel, ControlKind::label, "許可するサイト(1 行に 1 つ)", 120, 3480, 5775, 255},
    {allowedSites, ControlKind::multiLineText, "", 120, 3780, 5775, 1440},
    {saveButton, ControlKind::pushButton, "保存", 120, 5400, 735, 375},
    {cancelButton, ControlKind::pushButton, "キャンセル", 960, 5400, 1215, 375},
}};

inline constexpr DialogDesign design{6030, 5940, controls};

// The words of the two drop-down lists, as the settings file stores them.
inline constexpr std::array<std::string_view, 2> browserModeWords{"edge", "legacy"};
inline constexpr std::array<std::string_view, 2> newWindowsWords{"same", "block"};

}  // namespace tal::settings_dialog::advanced
