// The kiosk program: wires the Win32 services into the main window's logic and runs the
// message loop.
#include <ole2.h>
#include <windows.h>

#include <memory>

#include "common/ExitCodes.h"
#include "kiosk/Kiosk.h"
#include "kiosk/ReturnButton.h"
#include "kiosk/ui/MainWindow.h"
#include "kiosk/ui/ReturnButtonWindow.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32MessagePump.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScreenSaver.h"
#include "win32/Win32SystemMenu.h"
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

int RunMessageLoop(tal::kiosk_ui::MainWindow& window) {
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

    tal::kiosk_ui::MainWindow window(instance);
    messageBoxes.setOwner(reinterpret_cast<tal::platform::WindowHandle>(window.handle()));
    tal::Kiosk kiosk(tal::KioskPorts{profile, registry, desktop, clock, pump, process, screenSaver,
                                     shutdown, messageBoxes},
                     window);
    window.onTimer = [&kiosk] { kiosk.tick(); };
    window.browser().onFocus = [&kiosk] { kiosk.onBrowserFocus(); };

    tal::win32::Win32SystemMenu menu;
    std::unique_ptr<tal::kiosk_ui::ReturnButtonWindow> buttonWindow;
    std::unique_ptr<tal::ReturnButton> button;
    window.onShowReturnButton = [&] {
        buttonWindow = std::make_unique<tal::kiosk_ui::ReturnButtonWindow>(instance);
        button = std::make_unique<tal::ReturnButton>(
            tal::ReturnButtonPorts{profile, process, desktop, menu}, *buttonWindow,
            [&kiosk] { kiosk.requestReset(); });
        buttonWindow->onClick = [&button] { button->press(); };
        button->show();
    };
    // The button window goes with the main window: the program ends when the kiosk closes.
    window.onUnload = [&] {
        kiosk.onClosed();
        button.reset();
        buttonWindow.reset();
    };

    kiosk.start();
    // The watchdog tells this apart from a crash and tries again later.
    if (kiosk.refusedToStart()) {
        return tal::exit_code::kioskRefused;
    }
    window.show();
    return RunMessageLoop(window);
}
