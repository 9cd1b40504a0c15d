#pragma once

#include <windows.h>

#include <cstdint>

#include "win32/UniqueHandle.h"
#include "win32/Window.h"

namespace tal::kiosk_ui {

// The control identifiers of the notice's two texts, for those who read it from outside.
inline constexpr int offlineMessageId = 301;
inline constexpr int offlineCountdownId = 302;

// The notice while the kiosk's page cannot be reached: a child of the main window, of class
// "TAL.OfflineNotice", over the browser control. It holds two static texts, which screen readers
// and UI automation read: the message and the seconds to the next try. Nothing on it leads
// anywhere. Construction throws a win32::Failure when the window cannot be created.
class OfflineNoticeWindow : public win32::Window<OfflineNoticeWindow> {
public:
    OfflineNoticeWindow(HINSTANCE instance, HWND parent);
    ~OfflineNoticeWindow();
    OfflineNoticeWindow(const OfflineNoticeWindow&) = delete;
    OfflineNoticeWindow& operator=(const OfflineNoticeWindow&) = delete;

    HWND window() const { return handle(); }
    bool shown() const;
    // Covers `area`, in the parent's client pixels.
    void place(const RECT& area);
    // Shows the notice above its siblings, or updates its countdown.
    void show(std::uint32_t secondsLeft);
    void hide();
    // Puts the notice above a sibling created since, such as a fresh browser control.
    void raise();

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void layOut();

    win32::UniqueFont messageFont_;
    win32::UniqueFont countdownFont_;
};

}  // namespace tal::kiosk_ui
