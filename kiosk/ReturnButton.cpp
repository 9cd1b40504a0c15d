#include "kiosk/ReturnButton.h"

#include <utility>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"

namespace tal {

namespace {

// In the full system menu (Restore, Move, Size, Minimize, Maximize, separator, Close) the
// separator above Close.
constexpr std::uint32_t separatorAboveClose = 5;

}  // namespace

ReturnButton::ReturnButton(const ReturnButtonPorts& ports, ReturnButtonView& view,
                           std::function<void()> reset)
    : ports_(ports), view_(view), reset_(std::move(reset)) {}

void ReturnButton::show() {
    const SettingsFile settings(ports_.profile, SettingsFilePath(ports_.process.applicationPath()));
    view_.setLeft(PositionValue(settings.ReadSetting(settings::InitButtonX)));
    view_.setTop(PositionValue(settings.ReadSetting(settings::InitButtonY)));

    const platform::WindowHandle window = view_.handle();
    ports_.desktop.setWindowPos(window, platform::topmost, 0, 0, 0, 0,
                                platform::window_pos::noSize | platform::window_pos::noMove |
                                    platform::window_pos::showWindow);
    ports_.menu.deleteMenu(ports_.menu.getSystemMenu(window, false), separatorAboveClose,
                           platform::menu_flag::byPosition);
    ports_.menu.deleteMenu(ports_.menu.getSystemMenu(window, false), platform::systemCommandClose,
                           platform::menu_flag::byCommand);
}

void ReturnButton::press() {
    const SettingsFile settings(ports_.profile, SettingsFilePath(ports_.process.applicationPath()));
    const std::string left = PositionText(view_.left());
    const std::string top = PositionText(view_.top());
    // A position that cannot be stored is only forgotten: the visitor still gets the reset.
    settings.WriteSetting(settings::InitButtonX.key, left);
    settings.WriteSetting(settings::InitButtonY.key, top);
    reset_();
}

}  // namespace tal
