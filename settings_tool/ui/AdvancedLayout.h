#pragma once

#include <array>
#include <string_view>

#include "common/Settings.h"
#include "settings_tool/ui/AdvancedControlIds.h"
#include "settings_tool/ui/ControlLayout.h"

namespace tal::settings_dialog::advanced {

inline constexpr std::string_view caption = "詳細設定";

// The labels are the keys' names, which the error boxes give them too. The drop-down lists are
// wide enough for the names of their keys' words.
inline constexpr std::array<ControlLayout, 25> controls{{
    {idleResetLabel, ControlKind::label, settings::IdleReset.label, 120, 240, 2175, 255},
    {idleReset, ControlKind::textBox, "", 2400, 170, 1215, 270},
    {idleWarningLabel, ControlKind::label, settings::IdleWarning.label, 120, 600, 2175, 255},
    {idleWarning, ControlKind::textBox, "", 2400, 530, 1215, 270},
    {hangSecondsLabel, ControlKind::label, settings::HangSeconds.label, 120, 960, 2175, 255},
    {hangSeconds, ControlKind::textBox, "", 2400, 890, 1215, 270},
    {restartTimeLabel, ControlKind::label, settings::RestartTime.label, 120, 1320, 2175, 255},
    {restartTime, ControlKind::textBox, "", 2400, 1250, 1215, 270},
    {offlineRetryLabel, ControlKind::label, settings::OfflineRetry.label, 120, 1680, 2175, 255},
    {offlineRetry, ControlKind::textBox, "", 2400, 1610, 1215, 270},
    {browserModeLabel, ControlKind::label, settings::BrowserMode.label, 120, 2040, 2175, 255},
    {browserMode, ControlKind::dropDownList, "", 2400, 1970, 3495, 300},
    {newWindowsLabel, ControlKind::label, settings::NewWindows.label, 120, 2400, 2175, 255},
    {newWindows, ControlKind::dropDownList, "", 2400, 2330, 3495, 300},
    {clearSession, ControlKind::checkBox, settings::ClearSession.label, 120, 2760, 5775, 255},
    {printing, ControlKind::checkBox, settings::Printing.label, 120, 3120, 5775, 255},
    {keyLock, ControlKind::checkBox, settings::KeyLock.label, 120, 3480, 5775, 255},
    {taskManagerOff, ControlKind::checkBox, settings::TaskManager.label, 120, 3840, 5775, 255},
    {allowedSitesLabel, ControlKind::label, settings::AllowedSites.label, 120, 4200, 5775, 255},
    {allowedSites, ControlKind::multiLineText, "", 120, 4500, 5775, 1440},
    {operatorPinButton, ControlKind::pushButton, "管理者 PIN...", 120, 6060, 1455, 375},
    // Whether a PIN is set, which the form writes.
    {operatorPinStatus, ControlKind::label, "", 1680, 6120, 4215, 255},
    {saveButton, ControlKind::pushButton, "保存", 120, 6600, 735, 375},
    {cancelButton, ControlKind::pushButton, "キャンセル", 960, 6600, 1215, 375},
    {recommendedButton, ControlKind::pushButton, "推奨設定", 4680, 6600, 1215, 375},
}};

inline constexpr DialogDesign design{6030, 7140, controls};

}  // namespace tal::settings_dialog::advanced
