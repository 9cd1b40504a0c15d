#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "kiosk/KioskView.h"
#include "kiosk/ui/BrowserHost.h"

namespace tal::kiosk_ui {

// The kiosk's main window "Varnolt": borderless, without a taskbar button, holding the browser
// control; and its timer.
class MainWindow : public KioskView {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    BrowserHost& browser() { return browser_; }
    bool isUnloaded() const { return window_ == nullptr; }
    // Shows the window after start-up.
    void show();
    // Gives keystrokes to the browser control first; true when it used them.
    bool preTranslate(MSG& message);

    std::function<void()> onTimer;
    std::function<void()> onUnload;
    // Creates the return-to-start button window.
    std::function<void()> onShowReturnButton;

    void close() override;
    float screenWidth() override;
    float screenHeight() override;
    void setWindowGeometry(Geometry property, float twips) override;
    void setBrowserGeometry(Geometry property, float twips) override;
    void navigate(const std::string& url) override;
    void setTimerInterval(std::uint32_t milliseconds) override;
    void setTimerEnabled(bool enabled) override;
    void showReturnButton() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct TwipsRect {
        float left = 0;
        float top = 0;
        float width = 0;
        float height = 0;
        void set(Geometry property, float twips);
    };

    void applyTimer();
    RECT pixels(const TwipsRect& rect) const;

    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    BrowserHost browser_;
    TwipsRect form_;
    TwipsRect browserRect_;
    std::uint32_t timerInterval_ = 0;
    bool timerEnabled_ = true;
};

}  // namespace tal::kiosk_ui
