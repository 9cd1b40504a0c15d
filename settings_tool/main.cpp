// The settings tool: its dialog wired to the system, loaded, shown and run until it closes.
#include <windows.h>

#include <string>

#include "Version.h"
#include "common/EventLog.h"
#include "platform/MessageBoxes.h"
#include "settings_tool/AdvancedSettingsForm.h"
#include "settings_tool/OperatorPinForm.h"
#include "settings_tool/SettingsForm.h"
#include "settings_tool/ui/AdvancedDialog.h"
#include "settings_tool/ui/PinDialog.h"
#include "settings_tool/ui/SettingsDialog.h"
#include "win32/Failure.h"
#include "win32/FailureReport.h"
#include "win32/Win32AnsiText.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32Cryptography.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32LogStorage.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32Process.h"
#include "win32/Win32ProfileFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32SystemVersion.h"

namespace {

// The operator PIN dialog, modal to the advanced dialog (`owner`), whose boxes it shows; what it
// decided goes to the advanced form, which writes it when it saves.
void RunOperatorPin(HINSTANCE instance, HWND owner, tal::AdvancedSettingsForm& advanced,
                    tal::platform::MessageBoxes& ownerBoxes, tal::EventLog& log) {
    try {
        tal::settings_dialog::PinDialog dialog(instance, owner);
        dialog.reportFailuresTo(log);
        tal::win32::Win32MessageBoxes messageBoxes(
            reinterpret_cast<tal::platform::WindowHandle>(dialog.handle()));
        tal::win32::Win32Cryptography crypto;
        tal::OperatorPinForm form(dialog, messageBoxes, crypto, advanced.hasPin());
        // The dialog clears them before it goes, so they never outlive the form.
        dialog.setHandlers([&form] { form.confirm(); }, [&form] { form.remove(); });
        form.load();
        dialog.runModal();
        advanced.changePin(form.newValue());
    } catch (const tal::win32::Failure& failure) {
        ownerBoxes.show(failure.what(), "エラー", tal::platform::message_box_style::okOnly);
    }
}

// The advanced settings over the same ports, modal to the settings dialog; its boxes are modal to
// it. A dialog that cannot be created is reported in a box, and the settings dialog stays.
void RunAdvancedSettings(HINSTANCE instance, HWND owner, const tal::SettingsFormPorts& ports,
                         tal::EventLog& log) {
    try {
        tal::settings_dialog::AdvancedDialog dialog(instance, owner);
        dialog.reportFailuresTo(log);
        tal::win32::Win32MessageBoxes messageBoxes(
            reinterpret_cast<tal::platform::WindowHandle>(dialog.handle()));
        tal::AdvancedSettingsForm form({ports.profile, ports.registry, ports.desktop, ports.process,
                                        messageBoxes, ports.ansiText, ports.system},
                                       dialog);
        // The dialog clears it before it goes, so it never outlives the form.
        dialog.setSaveHandler([&form] { form.saveAndClose(); });
        dialog.setRecommendedHandler([&form] { form.fillRecommended(); });
        dialog.setOperatorPinHandler([instance, &dialog, &form, &messageBoxes, &log] {
            RunOperatorPin(instance, dialog.handle(), form, messageBoxes, log);
        });
        form.load();
        dialog.runModal();
    } catch (const tal::win32::Failure& failure) {
        ports.messageBoxes.show(failure.what(), "エラー", tal::platform::message_box_style::okOnly);
    }
}

int RunSettingsTool(HINSTANCE instance, tal::EventLog& log) {
    tal::win32::Win32ProfileFile profile;
    tal::win32::Win32Registry registry;
    tal::win32::Win32Desktop desktop;
    tal::win32::Win32Process process;
    tal::win32::Win32AnsiText ansiText;
    tal::win32::Win32SystemVersion system;

    tal::settings_dialog::SettingsDialog dialog(instance);
    dialog.reportFailuresTo(log);
    // Modal to the dialog, so that nothing else in it can be pressed while a box is open.
    tal::win32::Win32MessageBoxes messageBoxes(
        reinterpret_cast<tal::platform::WindowHandle>(dialog.handle()));
    const tal::SettingsFormPorts ports{profile,      registry, desktop, process,
                                       messageBoxes, ansiText, system};
    tal::SettingsForm form(ports, dialog);
    // The dialog clears these before it goes, so they never outlive the form.
    dialog.setHandlers({[&form] { form.saveAndClose(); }, [&form] { form.resetDesktopState(); },
                        [instance, &dialog, &ports, &log] {
                            RunAdvancedSettings(instance, dialog.handle(), ports, log);
                        }});

    form.load();
    dialog.show();
    return dialog.runMessageLoop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    tal::win32::Win32LogStorage logStorage;
    tal::win32::Win32Calendar calendar;
    tal::EventLog log(logStorage, calendar, "settal");
    log.write("start", {{"version", TAL_VERSION_TEXT}});
    const int code = tal::win32::RunReportingFailures(
        [instance, &log] { return RunSettingsTool(instance, log); },
        [&log](const std::string& text) {
            log.write("error", {{"message", text}});
        });
    log.write("exit", {{"code", code}});
    return code;
}
