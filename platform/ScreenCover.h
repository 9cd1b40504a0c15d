#pragma once

namespace tal::platform {

// What the watchdog shows instead of a bare desktop while no kiosk window is there: a black
// window over the whole screen asking the visitor to wait, which a visitor cannot close.
class ScreenCover {
public:
    virtual ~ScreenCover() = default;

    // Shows it above every other window; nothing when it is shown already.
    virtual void show() = 0;
    virtual void hide() = 0;
};

}  // namespace tal::platform
