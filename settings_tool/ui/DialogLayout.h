#pragma once

#include <array>
#include <string_view>

#include "common/Settings.h"
#include "settings_tool/ui/ControlIds.h"
#include "settings_tool/ui/ControlLayout.h"

namespace tal::settings_dialog {

inline constexpr std::string_view caption = "ヴァルノルト設定ツール";
// Added to the caption when Group Policy sets some of the values.
inline constexpr std::string_view managedCaptionSuffix = " (ポリシーで管理)";
inline constexpr int clientWidthTwips = 6030;
inline constexpr int clientHeightTwips = 2940;

inline constexpr std::array<ControlLayout, 18> controls{{
    {startPageLabel, ControlKind::label, settings::StartPage.label, 120, 240, 1215, 255},
    {startPage, ControlKind::textBox, "", 1320, 170, 4575, 270},
    {shutdownTimeLabel, ControlKind::label, settings::TimeToShutdown.label, 120, 600, 1215, 255},
    {shutdownHour, ControlKind::comboBox, "", 1320, 530, 615, 300},
    {hourLabel, ControlKind::label, "時", 2040, 600, 255, 255},
    {shutdownMinute, ControlKind::comboBox, "", 2280, 530, 615, 300},
    {minuteLabel, ControlKind::label, "分", 3000, 600, 255, 255},
    {returnButtonLabel, ControlKind::label, settings::InitButton.label, 360, 960, 855, 255},
    // Checked means the button is shown, the opposite sense of the boxes below.
    {returnButton, ControlKind::checkBox, "表示する", 1320, 900, 1215, 255},
    {taskBarLabel, ControlKind::label, settings::TaskBar.label, 360, 1320, 855, 255},
    {taskBar, ControlKind::checkBox, "表示しない", 1320, 1260, 1215, 255},
    {contextMenuLabel, ControlKind::label, settings::ContextMenu.label, 360, 1680, 855, 255},
    {contextMenu, ControlKind::checkBox, "禁止", 1320, 1620, 735, 255},
    {toolBarLabel, ControlKind::label, settings::ToolBar.label, 300, 2040, 975, 255},
    {toolBar, ControlKind::checkBox, "表示しない", 1320, 2000, 1215, 255},
    {closeButton, ControlKind::pushButton, "閉じる", 120, 2400, 735, 375},
    {resetButton, ControlKind::pushButton, "状態初期化", 960, 2400, 1215, 375},
    {advancedButton, ControlKind::pushButton, "詳細設定...", 4680, 2400, 1215, 375},
}};

inline constexpr DialogDesign design{clientWidthTwips, clientHeightTwips, controls};

// The item counts of the two drop-downs.
inline constexpr int hourItems = 24;
inline constexpr int minuteItems = 60;

}  // namespace tal::settings_dialog
