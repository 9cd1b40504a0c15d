#include "kiosk/PageRules.h"

#include "common/Flags.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"

namespace tal {

PageRules::PageRules(const SettingsFile& settings, std::string_view startPage,
                     platform::AnsiText& ansiText)
    : startPage_(ansiText.toUtf8(std::string(startPage))),
      navigation_(startPage_, ansiText.toUtf8(settings.ReadSetting(settings::AllowedSites))),
      newWindowsInPlace_(
          !FlagIs(settings.ReadSetting(settings::NewWindows), choice::noWindow.word)),
      printing_(FlagIs(settings.ReadSetting(settings::Printing), flagOn)),
      contextMenu_(!FlagIs(settings.ReadSetting(settings::ContextMenu), flagOff)) {}

std::optional<std::string> PageRules::newWindowTarget(std::string_view address) const {
    if (!newWindowsInPlace_ || !allowsNavigation(address)) {
        return std::nullopt;
    }
    return std::string(address);
}

bool PageRules::blocksShortcut(const KeyStroke& stroke) const {
    namespace vk = virtual_key;
    if (stroke.virtualKey == vk::f1 || stroke.virtualKey == vk::f11) {
        return true;
    }
    // With Alt as well, Ctrl makes characters on some keyboards (AltGr).
    if (!stroke.control || stroke.alt) {
        return false;
    }
    switch (stroke.virtualKey) {
        case 'N':
        case 'O':
        case 'L':
        case 'S':
        case 'H':
        case 'I':
        case 'J':
        case 'E':
            return true;
        case 'P':
            return stroke.shift || !printing_;
        default:
            return false;
    }
}

}  // namespace tal
