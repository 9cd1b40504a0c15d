#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "win32/UniqueHandle.h"
#include "win32/Window.h"

namespace tal::kiosk_ui {

// The control identifiers of the warning's countdown and its button "続ける", for those who drive
// the window from outside.
inline constexpr int countdownId = 201;
inline constexpr int continueButtonId = 202;

// The warning before an inactivity reset: a topmost, untitled window in the middle of the screen
// with the message, the seconds left and a button to go on. Untitled, so that the window guard
// spares it; refuses to be closed, so that only input or the button take it away. Construction
// throws a win32::Failure when the window cannot be created.
class IdleWarningWindow : public win32::Window<IdleWarningWindow> {
public:
    explicit IdleWarningWindow(HINSTANCE instance);
    ~IdleWarningWindow();
    IdleWarningWindow(const IdleWarningWindow&) = delete;
    IdleWarningWindow& operator=(const IdleWarningWindow&) = delete;

    HWND window() const { return handle(); }
    // Shows the window, or updates its countdown, without taking the focus from the page.
    void show(std::uint32_t secondsLeft);
    void hide();

    // Runs when the visitor presses "続ける".
    std::function<void()> onContinue;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void layOut(UINT dpi);

    win32::UniqueFont messageFont_;
    win32::UniqueFont buttonFont_;
};

}  // namespace tal::kiosk_ui
