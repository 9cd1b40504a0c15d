#pragma once

#include <string>

#include "common/EventLog.h"
#include "kiosk/Kiosk.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/Win32AccessibilityFeatures.h"
#include "win32/Win32AnsiText.h"
#include "win32/Win32BackgroundWork.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32ChildProcess.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Cryptography.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32InternetSession.h"
#include "win32/Win32LogStorage.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32MessagePump.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScreenSaver.h"
#include "win32/Win32Succession.h"
#include "win32/Win32SystemMenu.h"
#include "win32/Win32SystemShutdown.h"
#include "win32/Win32SystemVersion.h"
#include "win32/Win32UserFolders.h"
#include "win32/Win32UserInput.h"

namespace tal::test_support {

// The program's folder is a temporary one, so that each test has its own settings file.
class FolderProcess : public win32::Win32Process {
public:
    explicit FolderProcess(std::string folder) : folder_(std::move(folder)) {}
    std::string applicationPath() override { return folder_; }

private:
    std::string folder_;
};

// The log goes to the same temporary folder.
class FolderLogStorage : public win32::Win32LogStorage {
public:
    explicit FolderLogStorage(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() override { return folder_; }

private:
    std::string folder_;
};

// The kiosk's real services, as the program wires them, in a folder of the test's own.
struct KioskServices {
    TemporaryFolder folder;
    win32::Win32ProfileFile profile;
    win32::Win32Registry registry;
    win32::Win32Desktop desktop;
    win32::Win32Clock clock;
    win32::Win32MessagePump pump;
    FolderProcess process{folder.path()};
    win32::Win32ScreenSaver screenSaver;
    win32::Win32SystemShutdown shutdown;
    win32::Win32MessageBoxes messageBoxes;
    win32::Win32SystemMenu menu;
    win32::Win32InternetSession session;
    win32::Win32UserInput input;
    win32::Win32AnsiText ansiText;
    win32::Win32AccessibilityFeatures accessibility;
    win32::Win32Succession succession;
    FolderLogStorage logStorage{folder.path()};
    win32::Win32Calendar calendar;
    EventLog log{logStorage, calendar, "TAL"};
    win32::Win32SystemVersion system;
    win32::Win32UserFolders folders;
    win32::Win32BackgroundWork background{::GetModuleHandleW(nullptr)};
    win32::Win32Cryptography crypto;
    win32::Win32ProcessStarter starter;

    // TAL.log as written so far. The log's lock is shared by every program of the session, so a
    // line may have been kept back while another one wrote: it goes out first.
    std::string logText() {
        log.flush(5000);
        return folder.read("TAL.log");
    }

    KioskPorts platform() {
        return {profile,  registry,     desktop, clock,      pump,     process,       screenSaver,
                shutdown, messageBoxes, session, input,      ansiText, accessibility, succession,
                log,      system,       folders, background, crypto,   starter};
    }
};

}  // namespace tal::test_support
