#pragma once

#include <cstdint>
#include <string>

#include "kiosk/OperatorMenuState.h"

namespace tal {

enum class Geometry { Height, Width, Top, Left };

// What the kiosk's main window can be told. Lengths are in twips.
class KioskView {
public:
    virtual ~KioskView() = default;

    // Closes the main window, which ends the program.
    virtual void close() = 0;
    // Shows the main window.
    virtual void show() = 0;
    // Creates the browser control in the window. With `processFeatures`, first switches on this
    // process's own browser features, which the control reads once, when it is first created.
    virtual void createBrowser(bool processFeatures) = 0;
    // The whole primary screen.
    virtual float screenWidth() = 0;
    virtual float screenHeight() = 0;
    virtual void setWindowGeometry(Geometry property, float twips) = 0;
    virtual void setBrowserGeometry(Geometry property, float twips) = 0;
    virtual void navigate(const std::string& url) = 0;
    // Sends the page again to `address`, UTF-8 as the browser control reported it.
    virtual void retryNavigation(const std::string& address) = 0;
    // An interval of 0 keeps the timer from firing.
    virtual void setTimerInterval(std::uint32_t milliseconds) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    // Closes the browser control and creates a fresh one in its place: its history, its page's
    // state and the memory the page held go with the old one.
    virtual void replaceBrowser() = 0;
    // Shows or updates the warning that the kiosk goes back to its start page in `secondsLeft`.
    virtual void showIdleWarning(std::uint32_t secondsLeft) = 0;
    virtual void hideIdleWarning() = 0;
    // Shows or updates the notice over the page that the kiosk tries it again in `secondsLeft`.
    virtual void showOfflineNotice(std::uint32_t secondsLeft) = 0;
    virtual void hideOfflineNotice() = 0;
    // Shows the operator menu on `state`'s page, topmost and with the keyboard focus.
    virtual void showOperatorMenu(const OperatorMenuState& state) = 0;
    virtual void hideOperatorMenu() = 0;
    // Creates the return-to-start button window and shows it, modeless and without an owner.
    virtual void showReturnButton() = 0;
    // Whether the browser control is inside a modal call of its own (a page's box is open, or it
    // has asked its host to hold modeless windows): a reset now would pull the control out from
    // under that call.
    virtual bool browserIsModal() = 0;
    // Closes the kiosk's own boxes; once the control is no longer modal, the kiosk hears of it
    // (Kiosk::onBrowserIdle) from the message loop, outside any call of the control.
    virtual void leaveBrowserModal() = 0;
};

}  // namespace tal
