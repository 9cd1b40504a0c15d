#pragma once

#include <string>

#include "common/EventLog.h"
#include "kiosk/Kiosk.h"
#include "tests/fakes/FakeAccessibilityFeatures.h"
#include "tests/fakes/FakeAnsiText.h"
#include "tests/fakes/FakeBackgroundWork.h"
#include "tests/fakes/FakeCalendar.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCryptography.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeInternetSession.h"
#include "tests/fakes/FakeKioskView.h"
#include "tests/fakes/FakeLogStorage.h"
#include "tests/fakes/FakeMessageBoxes.h"
#include "tests/fakes/FakeMessagePump.h"
#include "tests/fakes/FakeProcess.h"
#include "tests/fakes/FakeProcessStarter.h"
#include "tests/fakes/FakeProfileFile.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeScreenSaver.h"
#include "tests/fakes/FakeSuccession.h"
#include "tests/fakes/FakeSystemShutdown.h"
#include "tests/fakes/FakeSystemVersion.h"
#include "tests/fakes/FakeUserFolders.h"
#include "tests/fakes/FakeUserInput.h"

namespace tal::fakes {

// A kiosk on fakes: every service, one shared call log, the settings file in C:\Kiosk.
struct KioskFixture {
    CallLog log{{}, "Policies\\TAL"};
    FakeProfileFile profile{log};
    FakeRegistry registry{log};
    FakeDesktop desktop{log};
    FakeClock clock;
    FakeMessagePump pump{clock};
    FakeProcess process;
    FakeScreenSaver screenSaver;
    FakeSystemShutdown shutdown{log};
    FakeMessageBoxes messageBoxes{log};
    FakeInternetSession session{log};
    FakeUserInput input;
    Latin1AnsiText ansiText;
    FakeAccessibilityFeatures accessibility;
    FakeSuccession succession{log};
    FakeLogStorage logStorage;
    FakeCalendar calendar;
    EventLog eventLog{logStorage, calendar, "TAL"};
    FakeSystemVersion system;
    FakeUserFolders folders{log};
    FakeBackgroundWork background{log};
    FakeCryptography crypto;
    FakeProcessStarter starter{log};
    FakeKioskView view{log};
    Kiosk kiosk{KioskPorts{profile, registry,    desktop,       clock,        pump,
                           process, screenSaver, shutdown,      messageBoxes, session,
                           input,   ansiText,    accessibility, succession,   eventLog,
                           system,  folders,     background,    crypto,       starter},
                view};

    const std::string settingsPath = "C:\\Kiosk\\TAL.ini";

    void setting(const std::string& key, const std::string& value) {
        profile.set(settingsPath, "CONFIG", key, value);
    }
};

}  // namespace tal::fakes
