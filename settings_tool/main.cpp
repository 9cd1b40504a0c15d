// The settings tool: its dialog wired to the system, loaded, shown and run until it closes.
#include <windows.h>

#include <exception>

#include "settings_tool/SettingsForm.h"
#include "settings_tool/ui/SettingsDialog.h"
#include "win32/Win32AnsiText.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    try {
        tal::win32::Win32ProfileFile profile;
        tal::win32::Win32Registry registry;
        tal::win32::Win32Desktop desktop;
        tal::win32::Win32Process process;
        tal::win32::Win32AnsiText ansiText;

        tal::settings_dialog::SettingsDialog dialog(instance);
        // Modal to the dialog, so that nothing else in it can be pressed while a box is open.
        tal::win32::Win32MessageBoxes messageBoxes(
            reinterpret_cast<tal::platform::WindowHandle>(dialog.handle()));
        tal::SettingsForm form({profile, registry, desktop, process, messageBoxes, ansiText},
                               dialog);
        dialog.setHandlers(
            {[&form] { form.saveAndClose(); }, [&form] { form.resetDesktopState(); }});

        form.load();
        dialog.show();
        return dialog.runMessageLoop();
    } catch (const std::exception&) {
        return 1;
    }
}
