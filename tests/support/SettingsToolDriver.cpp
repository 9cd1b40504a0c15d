#include "tests/support/SettingsToolDriver.h"

#include <stdexcept>
#include <vector>

#include "tests/support/Deadline.h"
#include "win32/TextConversion.h"

namespace tal::test_support {

namespace {

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

}  // namespace

SettingsToolDriver::SettingsToolDriver(const std::string* settings, const std::string& title)
    : program_(WindowsPathOf(TAL_SETTAL_EXE), settings) {
    program_.start();
    dialog_ = program_.waitForWindow(title, programTimeout);
    if (dialog_ == nullptr) {
        throw std::runtime_error("the settings dialog did not appear");
    }
}

HWND SettingsToolDriver::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog_, nullptr), &info);
    return info.hwndFocus;
}

void SettingsToolDriver::clickIfInactive() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog_, nullptr), &info);
    if (info.hwndActive == nullptr) {
        ::SetForegroundWindow(::GetLastActivePopup(dialog_));
    }
}

HWND SettingsToolDriver::waitForMessageBox() const {
    return WaitForProcessWindow(
        program_.processId(),
        [](HWND window) { return ::IsWindowVisible(window) && ClassName(window) == "#32770"; },
        programTimeout);
}

bool SettingsToolDriver::pressOk(HWND box) const {
    // What the button sends its box when clicked, without the click's focus and mouse capture.
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
    return WaitFor([&] { return !::IsWindow(box); }, programTimeout);
}

bool SettingsToolDriver::waitForExit() const {
    return program_.hasExited(programTimeout);
}

std::optional<std::string> SettingsToolDriver::stored(const std::string& key) const {
    constexpr char absent[] = "\x01 absent";
    std::vector<char> value(4096);
    const DWORD length = ::GetPrivateProfileStringA("CONFIG", key.c_str(), absent, value.data(),
                                                    static_cast<DWORD>(value.size()),
                                                    program_.settingsPath().c_str());
    const std::string text(value.data(), length);
    return text == absent ? std::nullopt : std::optional<std::string>(text);
}

void SetControlText(HWND control, const std::string& utf8) {
    const std::wstring text = win32::Utf8ToWide(utf8);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                          SMTO_ABORTIFHUNG, 5000, &result);
}

bool IsControlChecked(HWND control) {
    DWORD_PTR state = 0;
    ::SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

void Click(HWND control) {
    ::PostMessageW(control, BM_CLICK, 0, 0);
}

std::string MessageBoxText(HWND box) {
    return WindowText(::GetDlgItem(box, 0xFFFF));
}

bool MessageBoxHasIcon(HWND box) {
    for (HWND child : Children(box)) {
        const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
        if (ClassName(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child) && ::SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

int MessageBoxButtonCount(HWND box) {
    int buttons = 0;
    for (HWND child : Children(box)) {
        if (ClassName(child) == "Button" && ::IsWindowVisible(child)) {
            ++buttons;
        }
    }
    return buttons;
}

}  // namespace tal::test_support
