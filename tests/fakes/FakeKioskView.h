#pragma once

#include <string>

#include "common/NumberText.h"
#include "kiosk/KioskView.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// The main window as a line per call in the shared log: "Window.Height 15360", "Navigate URL".
class FakeKioskView : public KioskView {
public:
    explicit FakeKioskView(CallLog& log) : log_(log) {}

    float width = 19200;   // 1280 pixels at 96 dpi
    float height = 15360;  // 1024 pixels
    std::string navigatedTo;
    int navigations = 0;
    bool closed = false;
    bool modal = false;

    void close() override {
        log_.add("Close");
        closed = true;
    }
    void createBrowser(bool processFeatures) override {
        log_.add(std::string("CreateBrowser") + (processFeatures ? " with features" : ""));
    }
    float screenWidth() override { return width; }
    float screenHeight() override { return height; }
    void setWindowGeometry(Geometry property, float twips) override {
        log_.add("Window." + Name(property) + " " + PositionText(twips));
    }
    void setBrowserGeometry(Geometry property, float twips) override {
        log_.add("Browser." + Name(property) + " " + PositionText(twips));
    }
    void navigate(const std::string& url) override {
        log_.add("Navigate " + url);
        navigatedTo = url;
        ++navigations;
    }
    void retryNavigation(const std::string& address) override { log_.add("Retry " + address); }
    void setTimerInterval(std::uint32_t milliseconds) override {
        log_.add("Timer.Interval " + std::to_string(milliseconds));
    }
    void setTimerEnabled(bool enabled) override {
        log_.add(std::string("Timer.Enabled ") + (enabled ? "True" : "False"));
    }
    void show() override { log_.add("Show MainWindow"); }
    void replaceBrowser() override { log_.add("ReplaceBrowser"); }
    void showIdleWarning(std::uint32_t secondsLeft) override {
        log_.add("IdleWarning " + std::to_string(secondsLeft));
    }
    void hideIdleWarning() override { log_.add("HideIdleWarning"); }
    void showOfflineNotice(std::uint32_t secondsLeft) override {
        log_.add("OfflineNotice " + std::to_string(secondsLeft));
    }
    void hideOfflineNotice() override { log_.add("HideOfflineNotice"); }
    void showOperatorMenu(const OperatorMenuState& state) override {
        constexpr const char* pages[] = {"pin", "wrong", "locked", "choices"};
        log_.add(std::string("OperatorMenu ") + pages[static_cast<int>(state.page)] +
                 (state.page == OperatorMenuPage::locked
                      ? " " + std::to_string(state.minutesLeft) + " min"
                      : ""));
    }
    void hideOperatorMenu() override { log_.add("HideOperatorMenu"); }
    void showReturnButton() override { log_.add("Show ReturnButton"); }
    bool browserIsModal() override { return modal; }
    void leaveBrowserModal() override { log_.add("LeaveBrowserModal"); }

private:
    static std::string Name(Geometry property) {
        switch (property) {
            case Geometry::Height:
                return "Height";
            case Geometry::Width:
                return "Width";
            case Geometry::Top:
                return "Top";
            case Geometry::Left:
                return "Left";
        }
        return "?";
    }

    CallLog& log_;
};

}  // namespace tal::fakes
