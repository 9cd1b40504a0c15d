// The kiosk program: wires the Win32 services into the main window's logic and runs the
// message loop.
#include <ole2.h>
#include <windows.h>

#include <memory>

#include "kiosk/Form1.h"
#include "kiosk/frmInitButton.h"
#include "kiosk/win32/InitButtonWindow.h"
#include "kiosk/win32/MainWindow.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32System.h"
#include "win32/Win32SystemShutdown.h"

namespace {

// The browser control needs OLE on this thread for the program's whole life.
class OleSession {
public:
    OleSession() : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialized_) {
            ::OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool initialized_;
};

int RunMessageLoop(tal::kiosk_win32::MainWindow& window) {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.preTranslate(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const OleSession ole;
    tal::win32::Win32ProfileFile profile;
    tal::win32::Win32Registry registry;
    tal::win32::Win32Desktop desktop;
    tal::win32::Win32Clock clock;
    tal::win32::Win32MessagePump pump;
    tal::win32::Win32Process process;
    tal::win32::Win32ScreenSaver screenSaver;
    tal::win32::Win32SystemShutdown shutdown;
    tal::win32::Win32MessageBoxes messageBoxes;

    tal::kiosk_win32::MainWindow window(instance);
    messageBoxes.setOwner(reinterpret_cast<tal::platform::WindowHandle>(window.handle()));
    tal::Form1 form(tal::KioskPlatform{profile, registry, desktop, clock, pump, process,
                                       screenSaver, shutdown, messageBoxes},
                    window);
    window.onTimer = [&form] { form.Timer1_Timer(); };
    window.browser().onFocus = [&form] { form.WebBrowser1_GotFocus(); };

    tal::win32::Win32MenuControl menu;
    std::unique_ptr<tal::kiosk_win32::InitButtonWindow> buttonWindow;
    std::unique_ptr<tal::frmInitButton> button;
    window.onShowInitButton = [&] {
        buttonWindow = std::make_unique<tal::kiosk_win32::InitButtonWindow>(instance);
        button = std::make_unique<tal::frmInitButton>(
            tal::InitButtonPlatform{profile, process, desktop, menu}, *buttonWindow, form);
        buttonWindow->onClick = [&button] { button->Command1_Click(); };
        button->Form_Load();
    };
    // The button window goes with the main window: the program ends when the kiosk closes.
    window.onUnload = [&] {
        form.Form_Unload();
        button.reset();
        buttonWindow.reset();
    };

    form.Form_Load();
    window.show();
    return RunMessageLoop(window);
}
