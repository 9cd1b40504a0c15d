#pragma once

#include <string>

#include "common/NumberText.h"
#include "kiosk/Form1View.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// The main window as a line per call in the shared log: "Form1.Height 15360", "Navigate URL".
class FakeForm1View : public Form1View {
public:
    explicit FakeForm1View(CallLog& log) : log_(log) {}

    float width = 19200;   // 1280 pixels at 96 dpi
    float height = 15360;  // 1024 pixels
    std::string navigatedTo;
    int navigations = 0;
    bool unloaded = false;

    void unload() override {
        log_.add("Unload");
        unloaded = true;
    }
    float screenWidth() override { return width; }
    float screenHeight() override { return height; }
    void setFormGeometry(Geometry property, float twips) override {
        log_.add("Form1." + Name(property) + " " + PositionText(twips));
    }
    void setBrowserGeometry(Geometry property, float twips) override {
        log_.add("WebBrowser1." + Name(property) + " " + PositionText(twips));
    }
    void navigate(const std::string& url) override {
        log_.add("Navigate " + url);
        navigatedTo = url;
        ++navigations;
    }
    void setTimerInterval(std::uint32_t milliseconds) override {
        log_.add("Timer1.Interval " + std::to_string(milliseconds));
    }
    void setTimerEnabled(bool enabled) override {
        log_.add(std::string("Timer1.Enabled ") + (enabled ? "True" : "False"));
    }
    void showInitButton() override { log_.add("Show frmInitButton"); }

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
