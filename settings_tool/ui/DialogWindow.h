#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string_view>

#include "settings_tool/ui/DialogControls.h"
#include "win32/Window.h"

namespace tal::settings_dialog {

// What a settings dialog is made of.
struct DialogDefinition {
    const wchar_t* className;
    // UTF-8.
    std::string_view caption;
    const DialogDesign& design;
    // The Japanese text of the error box when the window cannot be created.
    std::string_view whatFailed;
};

// The settings tool's dialogs: a fixed-size captioned window with the controls of its design,
// laid out again when its DPI changes, that gives the keyboard focus back to the control that had
// it when it is activated again, and runs what its buttons were given. Without an owner it is the
// program's main window, off the taskbar, and its end ends the program's message loop; with one
// it runs modal to it. Construction throws a win32::Failure when the window cannot be created.
class DialogWindow : public win32::Window<DialogWindow> {
public:
    DialogWindow(HINSTANCE instance, const DialogDefinition& definition, HWND owner = nullptr);
    ~DialogWindow();

    // What a click on the button `id` runs; the dialog forgets it before it goes.
    void onClick(int id, std::function<void()> handler) { clicks_[id] = std::move(handler); }
    // Shows the dialog with the keyboard focus on its first control that can take it.
    void show();
    // Runs until the dialog is gone; Tab and Shift+Tab move through the controls. Returns the
    // program's exit code.
    int runMessageLoop();
    // Shows the dialog centred over its owner and runs until it closes, the owner disabled
    // meanwhile. A WM_QUIT that arrives ends it and is left for the program's own loop.
    void runModal();
    // Closes the dialog: a modal one once its loop has ended, the main one now.
    void endDialog();

    // `window` is given because messages arrive before CreateWindowEx has returned it.
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    DialogControls& controls() { return controls_; }
    void setCaption(std::string_view caption);

private:
    void centreOverOwner();
    void onActivate(HWND window, bool active);

    HWND owner_;
    DialogControls controls_;
    std::map<int, std::function<void()>> clicks_;
    bool modal_ = false;
    bool closed_ = false;
    // Where the focus goes back to when the dialog is activated again.
    HWND lastFocus_ = nullptr;
};

}  // namespace tal::settings_dialog
