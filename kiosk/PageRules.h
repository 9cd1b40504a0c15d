#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kiosk/KeyStroke.h"
#include "kiosk/NavigationPolicy.h"
#include "platform/AnsiText.h"

namespace tal {

class SettingsFile;

// What the kiosk lets a page and the visitor do in its browser control: where it may go, what a
// new window becomes, which browser shortcuts work and whether a context menu shows. Addresses
// are UTF-8, as the control reports them.
class PageRules {
public:
    // `startPage` as the settings file holds it, in the ANSI code page.
    PageRules(const SettingsFile& settings, std::string_view startPage,
              platform::AnsiText& ansiText);

    // A navigation of the page itself (the top frame).
    bool allowsNavigation(std::string_view address) const { return navigation_.allows(address); }
    // A navigation of a frame inside the page.
    bool allowsFrameNavigation(std::string_view address) const {
        return navigation_.allowsInFrame(address);
    }
    // A page asked for a new window: it never opens; the address the kiosk's own browser goes to
    // instead, or nothing.
    std::optional<std::string> newWindowTarget(std::string_view address) const;
    // Browser shortcuts that open windows, dialogs, files, print or leave full screen.
    bool blocksShortcut(const KeyStroke& stroke) const;
    bool showsContextMenu() const { return contextMenu_; }
    // Where a refused page goes back to.
    const std::string& startPage() const { return startPage_; }
    const NavigationPolicy& navigation() const { return navigation_; }
    bool allowsPrinting() const { return printing_; }
    bool opensNewWindowsInPlace() const { return newWindowsInPlace_; }

private:
    std::string startPage_;
    NavigationPolicy navigation_;
    bool newWindowsInPlace_;
    bool printing_;
    bool contextMenu_;
};

}  // namespace tal
