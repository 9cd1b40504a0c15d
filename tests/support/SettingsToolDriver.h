#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/support/ProgramUnderTest.h"

namespace tal::test_support {

// A control of any of the settings tool's windows, driven from outside.
void SetControlText(HWND control, const std::string& utf8);
bool IsControlChecked(HWND control);
// Posted, so that a message box or a dialog that the click opens does not block the test.
void Click(HWND control);

// settal.exe started from a folder of its own with the given TAL.ini (or none), driven from
// outside through its controls as a person would.
class SettingsToolDriver {
public:
    // Waits for the dialog under `title` (UTF-8), which Group Policy changes.
    explicit SettingsToolDriver(const std::string* settings,
                                const std::string& title = "ヴァルノルト設定ツール");

    ProgramUnderTest& program() { return program_; }
    HWND dialog() const { return dialog_; }
    HWND control(int id) const { return ::GetDlgItem(dialog_, id); }

    std::string text(int id) const { return WindowText(control(id)); }
    void setText(int id, const std::string& utf8) const { SetControlText(control(id), utf8); }
    bool isChecked(int id) const { return IsControlChecked(control(id)); }
    void click(int id) const { Click(control(id)); }
    // The window with the keyboard focus in the settings tool's thread.
    HWND focus() const;
    // Under Wine without a window manager, another window can take the foreground as one of the
    // tool's windows goes. A person would click the dialog then, and the dialog must give the
    // focus back where it was: this does so when the tool has no active window.
    void clickIfInactive() const;

    // The message box that the settings tool shows now, or null after the timeout.
    HWND waitForMessageBox() const;
    // Presses the box's OK; whether the box has closed.
    bool pressOk(HWND box) const;
    bool waitForExit() const;

    // A value of the settings file as stored now; nothing when the key is absent.
    std::optional<std::string> stored(const std::string& key) const;

private:
    ProgramUnderTest program_;
    HWND dialog_ = nullptr;
};

// The text of a message box (UTF-8).
std::string MessageBoxText(HWND box);
// Whether a message box shows an icon, and how many buttons it offers.
bool MessageBoxHasIcon(HWND box);
int MessageBoxButtonCount(HWND box);

inline constexpr std::chrono::seconds programTimeout{20};

}  // namespace tal::test_support
