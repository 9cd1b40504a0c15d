#include "settings_tool/ui/DialogWindow.h"

#include <algorithm>
#include <string>

#include "settings_tool/ui/ControlIds.h"
#include "win32/Dpi.h"
#include "win32/TextConversion.h"

namespace tal::settings_dialog {

namespace {

// A fixed dialog border with a close box: no sizing frame, no minimise or maximise box.
constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The owner stays disabled while the dialog runs, and is enabled again before the dialog goes so
// that the system activates it rather than another program's window.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner) : owner_(owner) { ::EnableWindow(owner_, FALSE); }
    ~DisabledOwner() { ::EnableWindow(owner_, TRUE); }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    HWND owner_;
};

}  // namespace

DialogWindow::DialogWindow(HINSTANCE instance, const DialogDefinition& definition, HWND owner)
    : owner_(owner), controls_(definition.design) {
    const std::wstring title = win32::Utf8ToWide(definition.caption);
    create({{definition.className, COLOR_BTNFACE, iconResource},
            exStyle,
            style,
            title.c_str(),
            owner == nullptr,
            definition.whatFailed},
           instance, owner);
    controls_.create(handle(), instance);
    controls_.layOut(win32::WindowDpi(handle()));
}

DialogWindow::~DialogWindow() {
    clicks_.clear();
    destroy();
}

void DialogWindow::show() {
    ::ShowWindow(handle(), SW_SHOWNORMAL);
    ::SetFocus(::GetNextDlgTabItem(handle(), nullptr, FALSE));
}

int DialogWindow::runMessageLoop() {
    MSG message{};
    BOOL status = 0;
    while ((status = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (status == -1) {
            return 1;
        }
        if (handle() != nullptr && ::IsDialogMessageW(handle(), &message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void DialogWindow::runModal() {
    modal_ = true;
    {
        const DisabledOwner disabled(owner_);
        centreOverOwner();
        show();
        MSG message{};
        // The window also goes when its owner is destroyed under it.
        while (!closed_ && handle() != nullptr) {
            const BOOL status = ::GetMessageW(&message, nullptr, 0, 0);
            if (status == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (status == -1) {
                break;
            }
            if (!::IsDialogMessageW(handle(), &message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    destroy();
}

void DialogWindow::endDialog() {
    if (modal_) {
        closed_ = true;
    } else {
        destroy();
    }
}

void DialogWindow::setCaption(std::string_view caption) {
    ::SetWindowTextW(handle(), win32::Utf8ToWide(caption).c_str());
}

void DialogWindow::centreOverOwner() {
    RECT ownerBox{};
    RECT box{};
    ::GetWindowRect(owner_, &ownerBox);
    ::GetWindowRect(handle(), &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    // Inside the work area, with the caption visible when the dialog is the larger.
    const auto fit = [](int position, int size, LONG low, LONG high) {
        return std::max(static_cast<int>(low), std::min(position, static_cast<int>(high) - size));
    };
    const int left =
        fit((ownerBox.left + ownerBox.right - width) / 2, width, work.left, work.right);
    const int top =
        fit((ownerBox.top + ownerBox.bottom - height) / 2, height, work.top, work.bottom);
    ::SetWindowPos(handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT DialogWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                const auto click = clicks_.find(LOWORD(wParam));
                if (click != clicks_.end() && click->second) {
                    click->second();
                }
            }
            return 0;
        case WM_CLOSE:
            // The close box, and Escape in a multi-line field: nothing is saved.
            endDialog();
            return 0;
        case WM_ACTIVATE:
            onActivate(window, LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            controls_.layOut(HIWORD(wParam));
            return 0;
        }
        case WM_DESTROY:
            if (owner_ == nullptr) {
                ::PostQuitMessage(0);
            }
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void DialogWindow::onActivate(HWND window, bool active) {
    if (!active) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(window, focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    ::SetFocus(lastFocus_ != nullptr ? lastFocus_ : ::GetNextDlgTabItem(window, nullptr, FALSE));
}

}  // namespace tal::settings_dialog
