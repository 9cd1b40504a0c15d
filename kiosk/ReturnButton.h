#pragma once

#include <functional>

#include "kiosk/ReturnButtonView.h"
#include "platform/Desktop.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/SystemMenu.h"

namespace tal {

// The ports the return-to-start button window needs.
struct ReturnButtonPorts {
    platform::ProfileFile& profile;
    platform::Process& process;
    platform::Desktop& desktop;
    platform::SystemMenu& menu;
};

// The floating "はじめに戻る" window: it comes back where it was last pressed, stays above the
// kiosk, cannot be closed, and a press asks for a reset.
class ReturnButton {
public:
    ReturnButton(const ReturnButtonPorts& ports, ReturnButtonView& view,
                 std::function<void()> reset);

    // Places the window where it was last pressed, above every other, without a way to close it.
    void show();
    // Stores where the window stands, then asks for the reset.
    void press();

private:
    ReturnButtonPorts ports_;
    ReturnButtonView& view_;
    std::function<void()> reset_;
};

}  // namespace tal
