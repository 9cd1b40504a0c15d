#pragma once

#include "common/NumberText.h"
#include "kiosk/ReturnButtonView.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

class FakeReturnButtonView : public ReturnButtonView {
public:
    explicit FakeReturnButtonView(CallLog& log) : log_(log) {}

    platform::WindowHandle window = 0x20020;
    float x = 0;
    float y = 0;

    platform::WindowHandle handle() override { return window; }
    float left() override { return x; }
    float top() override { return y; }
    void setLeft(float twips) override {
        log_.add("ReturnButton.Left " + PositionText(twips));
        x = twips;
    }
    void setTop(float twips) override {
        log_.add("ReturnButton.Top " + PositionText(twips));
        y = twips;
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
