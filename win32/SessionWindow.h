#pragma once

#include <windows.h>

#include <deque>
#include <optional>

#include "platform/WatchdogSignals.h"
#include "win32/Window.h"

namespace tal::win32 {

// A hidden top-level window without a title, which only the session's end messages are for: the
// system sends those to top-level windows alone. Without a title the kiosk's window guard never
// closes it.
class SessionWindow : public Window<SessionWindow> {
public:
    static constexpr const wchar_t* className = L"TALWatchSession";

    // Throws a Failure when the window cannot be created.
    explicit SessionWindow(HINSTANCE instance);
    ~SessionWindow() { destroy(); }
    SessionWindow(const SessionWindow&) = delete;
    SessionWindow& operator=(const SessionWindow&) = delete;

    // The oldest session event not yet taken.
    std::optional<platform::Wake> takeEvent();

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::deque<platform::Wake> events_;
};

}  // namespace tal::win32
