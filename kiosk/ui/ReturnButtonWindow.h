#pragma once

#include <windows.h>

#include <functional>

#include "kiosk/ReturnButtonView.h"
#include "win32/UniqueHandle.h"
#include "win32/Window.h"

namespace tal::kiosk_ui {

// The control identifier of the button "はじめに戻る", for those who drive the window from outside.
inline constexpr int buttonId = 100;

// The untitled, fixed tool window holding the push button. It refuses to be closed by its close
// box, its system menu or Alt+F4; its owner ends it by destroying it. Construction throws a
// win32::Failure when the window cannot be created.
class ReturnButtonWindow : public win32::Window<ReturnButtonWindow>, public ReturnButtonView {
public:
    explicit ReturnButtonWindow(HINSTANCE instance);
    ~ReturnButtonWindow() override;
    ReturnButtonWindow(const ReturnButtonWindow&) = delete;
    ReturnButtonWindow& operator=(const ReturnButtonWindow&) = delete;

    HWND window() const { return Window::handle(); }
    // Shows the window again, without activating it, once a window shown later covers the screen:
    // Wine draws windows in the order they were shown, whatever their z-order.
    void showAgain();
    // Runs when the button is pressed.
    std::function<void()> onClick;

    platform::WindowHandle handle() override;
    float left() override;
    float top() override;
    void setLeft(float twips) override;
    void setTop(float twips) override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sizes the window, the button and its font for `dpi`, which every conversion then uses.
    void applyDpi(UINT dpi);
    void moveTo(int x, int y);

    HWND button_ = nullptr;
    UINT dpi_ = 96;
    win32::UniqueFont font_;
};

}  // namespace tal::kiosk_ui
