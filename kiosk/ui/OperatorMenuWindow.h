#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "kiosk/OperatorMenuState.h"
#include "win32/UniqueHandle.h"
#include "win32/Window.h"

namespace tal::kiosk_ui {

// The control identifiers of the operator menu, for those who drive it from outside. "OK" and
// "キャンセル" carry the identifiers that Enter and Esc stand for.
namespace operator_menu {
inline constexpr int messageId = 401;
inline constexpr int pinId = 402;
// The digit n is firstDigitId + n.
inline constexpr int firstDigitId = 410;
inline constexpr int clearId = 420;
inline constexpr int okId = IDOK;
inline constexpr int cancelId = IDCANCEL;
inline constexpr int exitId = 431;
inline constexpr int settingsToolId = 432;
inline constexpr int restartId = 433;
inline constexpr int closeId = 434;
}  // namespace operator_menu

// The operator menu "管理者メニュー": a topmost window in the middle of the screen with a PIN field
// shown as dots, the digits as large buttons for touch screens, and after the right PIN the
// operator's choices. Every text is a control's own, for screen readers and UI automation. It
// never closes itself: "キャンセル", "閉じる" and a close request go to onChoice as
// OperatorChoice::close. Construction throws a win32::Failure when the window cannot be created.
class OperatorMenuWindow : public win32::Window<OperatorMenuWindow> {
public:
    explicit OperatorMenuWindow(HINSTANCE instance);
    ~OperatorMenuWindow();
    OperatorMenuWindow(const OperatorMenuWindow&) = delete;
    OperatorMenuWindow& operator=(const OperatorMenuWindow&) = delete;

    HWND window() const { return handle(); }
    bool shown() const { return ::IsWindowVisible(handle()) != FALSE; }
    // Shows `state`'s page in front, with the keyboard in the PIN field; the field is emptied.
    void show(const OperatorMenuState& state);
    // Hides the menu and forgets what was typed.
    void hide();
    // Brings the shown menu in front again, the keyboard where show() put it.
    void takeKeyboard();

    // The operator pressed "OK" or Enter with these digits (UTF-8).
    std::function<void(const std::string& digits)> onSubmit;
    std::function<void(OperatorChoice choice)> onChoice;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void layOut(UINT dpi);
    void command(int id);
    void addDigit(wchar_t digit);

    int focusedControl_ = operator_menu::pinId;
    win32::UniqueFont messageFont_;
    win32::UniqueFont buttonFont_;
};

}  // namespace tal::kiosk_ui
