#pragma once

#include <windows.h>

#include "platform/ScreenCover.h"
#include "win32/UniqueHandle.h"
#include "win32/Window.h"

namespace tal::win32 {

// The watchdog's cover: a borderless black topmost window over every screen, with
// "しばらくお待ちください" large in the middle of the primary screen, where the kiosk's window
// stands. The text is a static control's own, so that screen readers read it. The window itself is
// untitled: the kiosk's window guard neither records it in a snapshot nor asks it to go. A visitor
// cannot close it; it goes with this object.
class CoverWindow : public Window<CoverWindow>, public platform::ScreenCover {
public:
    static constexpr const wchar_t* className = L"TALWatchCover";

    // Throws a Failure when the window cannot be created.
    explicit CoverWindow(HINSTANCE instance);
    ~CoverWindow() override { destroy(); }

    void show() override;
    void hide() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // A child of the window, which goes with it.
    HWND text_ = nullptr;
    UniqueFont font_;
};

}  // namespace tal::win32
