// The settings tool: its dialog wired to the system, loaded, shown and run until it closes.
#include <windows.h>

#include "settings_tool/SettingsForm.h"
#include "settings_tool/ui/SettingsDialog.h"
#include "win32/FailureReport.h"
#include "win32/Win32AnsiText.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"

namespace {

int RunSettingsTool(HINSTANCE instance) {
    tal::win32::Win32ProfileFile profile;
    tal::win32::Win32Registry registry;
    tal::win32::Win32Desktop desktop;
    tal::win32::Win32Process process;
    tal::win32::Win32AnsiText ansiText;

    tal::settings_dialog::SettingsDialog dialog(instance);
    // Modal to the dialog, so that nothing else in it can be pressed while a box is open.
    tal::win32::Win32MessageBoxes messageBoxes(
        reinterpret_cast<tal::platform::WindowHandle>(dialog.handle()));
    tal::SettingsForm form({profile, registry, desktop, process, messageBoxes, ansiText}, dialog);
    // The dialog clears these before it goes, so they never outlive the form.
    dialog.setHandlers({[&form] { form.saveAndClose(); }, [&form] { form.resetDesktopState(); }});

    form.load();
    dialog.show();
    return dialog.runMessageLoop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    return tal::win32::RunReportingFailures([instance] { return RunSettingsTool(instance); });
}
