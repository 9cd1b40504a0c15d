#pragma once

#include <windows.h>

#include <exception>
#include <string_view>

#include "common/EventLog.h"
#include "win32/Failure.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

// What a window class of the programs differs in.
struct WindowClassDefinition {
    const wchar_t* name;
    // A COLOR_ index for the background.
    int background;
    // The icon's resource identifier in the program, or 0 for none.
    int icon = 0;
};

// Registers the class unless this module has it already. Throws a Failure with `whatFailed` when
// the system refuses it.
void RegisterClassOnce(const WNDCLASSEXW& definition, std::string_view whatFailed);

// A failure that a window procedure stops there: it goes to the debugger's output and to `log`
// when there is one, and the message gets the system's default handling.
void LogHandlerFailure(HWND window, UINT message, std::string_view what, EventLog* log) noexcept;

// The answer to WM_CTLCOLORSTATIC that sets a static control's text on the window's own background
// (COLOR_WINDOW) rather than on a grey band.
LRESULT StaticOnWindowColor(WPARAM context);

// The foundation of the programs' windows. T derives from Window<T> and receives its window's
// messages through T::handleMessage(HWND, UINT, WPARAM, LPARAM). The object travels in
// lpCreateParams and GWLP_USERDATA; no exception crosses the window procedure. T's destructor
// clears its callbacks and calls destroy(), while all of T still exists for WM_DESTROY.
template <typename T>
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return window_.get(); }
    // The program's event log, where a failure of the window's handlers is written.
    void reportFailuresTo(EventLog& log) { failureLog_ = &log; }

protected:
    Window() = default;
    ~Window() {
        // Still here only when T's construction failed half-way: no part of T may run any more.
        if (window_) {
            ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
            window_.reset();
        }
    }

    // How the window is created. `hiddenOwner` gives it an owner that is never shown, which keeps
    // it off the taskbar.
    struct Creation {
        WindowClassDefinition windowClass;
        DWORD exStyle;
        DWORD style;
        const wchar_t* title;
        bool hiddenOwner;
        // The Japanese text of the error box when creation fails.
        std::string_view whatFailed;
    };

    // Creates the window hidden and without size, where the system places new windows (a pop-up
    // window at the origin), owned by `owner` unless it has a hidden owner. Throws a Failure on any
    // failure.
    void create(const Creation& creation, HINSTANCE instance, HWND owner = nullptr) {
        WNDCLASSEXW definition{};
        definition.cbSize = sizeof definition;
        definition.lpfnWndProc = &Window::procedure;
        definition.hInstance = instance;
        if (creation.windowClass.icon != 0) {
            definition.hIcon = static_cast<HICON>(::LoadImageW(
                instance, MAKEINTRESOURCEW(creation.windowClass.icon), IMAGE_ICON,
                ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), LR_SHARED));
            definition.hIconSm = static_cast<HICON>(::LoadImageW(
                instance, MAKEINTRESOURCEW(creation.windowClass.icon), IMAGE_ICON,
                ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        }
        definition.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        definition.hbrBackground =
            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(creation.windowClass.background + 1));
        definition.lpszClassName = creation.windowClass.name;
        RegisterClassOnce(definition, creation.whatFailed);

        if (creation.hiddenOwner) {
            owner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, instance, nullptr));
            if (!owner_) {
                throw Failure(creation.whatFailed, ::GetLastError());
            }
        }
        // WM_NCCREATE hands the window to window_.
        if (::CreateWindowExW(creation.exStyle, creation.windowClass.name, creation.title,
                              creation.style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                              creation.hiddenOwner ? owner_.get() : owner, nullptr, instance,
                              this) == nullptr) {
            throw Failure(creation.whatFailed, ::GetLastError());
        }
    }

    // Destroys the window now; T's WM_DESTROY handling runs.
    void destroy() { window_.reset(); }
    // For the windows that this one creates.
    EventLog* failureLog() const { return failureLog_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Window*>(
                reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_.reset(window);
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            // The system destroys the window: nothing is left for window_ to destroy.
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_.release();
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        try {
            return static_cast<T*>(self)->handleMessage(window, message, wParam, lParam);
        } catch (const std::exception& failure) {
            LogHandlerFailure(window, message, failure.what(), self->failureLog_);
        } catch (...) {
            LogHandlerFailure(window, message, "unknown", self->failureLog_);
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    UniqueWindow owner_;
    UniqueWindow window_;
    EventLog* failureLog_ = nullptr;
};

}  // namespace tal::win32
