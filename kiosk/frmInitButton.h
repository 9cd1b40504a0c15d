#pragma once

#include "kiosk/Form1.h"
#include "kiosk/frmInitButtonView.h"
#include "platform/Desktop.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/mdlMenuControl.h"

namespace tal {

struct InitButtonPlatform {
    platform::ProfileFile& profile;
    platform::Process& process;
    platform::Desktop& desktop;
    platform::mdlMenuControl& menu;
};

// The floating "はじめに戻る" window: it comes back where it was last pressed, stays above the
// kiosk, cannot be closed, and a press asks the main window for a reset.
class frmInitButton {
public:
    frmInitButton(const InitButtonPlatform& platform, frmInitButtonView& view, Form1& mainWindow);

    void Form_Load();
    void Command1_Click();

private:
    InitButtonPlatform platform_;
    frmInitButtonView& view_;
    Form1& mainWindow_;
};

}  // namespace tal
