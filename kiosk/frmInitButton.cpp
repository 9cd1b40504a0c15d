#include "kiosk/frmInitButton.h"

#include "common/NumberText.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"

namespace tal {

namespace {

// In the full system menu (Restore, Move, Size, Minimize, Maximize, separator, Close) the
// separator above Close.
constexpr std::uint32_t separatorAboveClose = 5;

}  // namespace

frmInitButton::frmInitButton(const InitButtonPlatform& platform, frmInitButtonView& view,
                             Form1& mainWindow)
    : platform_(platform), view_(view), mainWindow_(mainWindow) {}

void frmInitButton::Form_Load() {
    const SettingsFile settings(platform_.profile,
                                SettingsFilePath(platform_.process.applicationPath()));
    const std::string x =
        settings.ReadSetting(settings::InitButtonX.key, settings::InitButtonX.kioskDefault);
    const std::string y =
        settings.ReadSetting(settings::InitButtonY.key, settings::InitButtonY.kioskDefault);
    view_.setLeft(PositionValue(x));
    view_.setTop(PositionValue(y));

    const platform::WindowHandle window = view_.handle();
    platform_.desktop.setWindowPos(window, platform::topmost, 0, 0, 0, 0,
                                   platform::window_pos::noSize | platform::window_pos::noMove |
                                       platform::window_pos::showWindow);
    platform_.menu.deleteMenu(platform_.menu.getSystemMenu(window, false), separatorAboveClose,
                              platform::menu_flag::byPosition);
    platform_.menu.deleteMenu(platform_.menu.getSystemMenu(window, false),
                              platform::systemCommandClose, platform::menu_flag::byCommand);
}

void frmInitButton::Command1_Click() {
    const SettingsFile settings(platform_.profile,
                                SettingsFilePath(platform_.process.applicationPath()));
    const std::string left = PositionText(view_.left());
    const std::string top = PositionText(view_.top());
    // A position that cannot be stored is only forgotten: the visitor still gets the reset.
    settings.WriteSetting(settings::InitButtonX.key, left);
    settings.WriteSetting(settings::InitButtonY.key, top);
    mainWindow_.ScreenSaver(true);
}

}  // namespace tal
