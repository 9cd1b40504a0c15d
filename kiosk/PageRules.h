#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kiosk/KeyStroke.h"
#include "kiosk/NavigationPolicy.h"

namespace tal {

class SettingsFile;

// What the kiosk lets a page and the visitor do in its browser control: where it may go, what a
// new window becomes, which browser shortcuts work and whether a context menu shows.
class PageRules {
public:
    PageRules(const SettingsFile& settings, std::string_view startPage);

    // A navigation of the top frame; sub-frames are not checked.
    bool allowsNavigation(std::string_view address) const { return navigation_.allows(address); }
    // A page asked for a new window: it never opens; the address the kiosk's own browser goes to
    // instead, or nothing.
    std::optional<std::string> newWindowTarget(std::string_view address) const;
    // Browser shortcuts that open windows, dialogs, files, print or leave full screen.
    bool blocksShortcut(const KeyStroke& stroke) const;
    bool showsContextMenu() const { return contextMenu_; }
    bool allowsPrinting() const { return printing_; }
    bool opensNewWindowsInPlace() const { return newWindowsInPlace_; }

private:
    NavigationPolicy navigation_;
    bool newWindowsInPlace_;
    bool printing_;
    bool contextMenu_;
};

}  // namespace tal
