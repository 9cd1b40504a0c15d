#include "settings_tool/ui/AdvancedDialog.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "settings_tool/ui/AdvancedLayout.h"
#include "settings_tool/ui/ControlIds.h"
#include "win32/Dpi.h"
#include "win32/TextConversion.h"

namespace tal::settings_dialog {

namespace {

constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int IdOf(AdvancedText control) {
    switch (control) {
        case AdvancedText::idleReset:
            return advanced::idleReset;
        case AdvancedText::idleWarning:
            return advanced::idleWarning;
        case AdvancedText::hangSeconds:
            return advanced::hangSeconds;
        case AdvancedText::allowedSites:
            return advanced::allowedSites;
    }
    throw std::logic_error("unknown advanced text control");
}

int IdOf(AdvancedCheck control) {
    switch (control) {
        case AdvancedCheck::clearSession:
            return advanced::clearSession;
        case AdvancedCheck::printing:
            return advanced::printing;
        case AdvancedCheck::keyLock:
            return advanced::keyLock;
        case AdvancedCheck::taskManagerOff:
            return advanced::taskManagerOff;
    }
    throw std::logic_error("unknown advanced check box");
}

int IdOf(AdvancedChoice control) {
    switch (control) {
        case AdvancedChoice::browserMode:
            return advanced::browserMode;
        case AdvancedChoice::newWindows:
            return advanced::newWindows;
    }
    throw std::logic_error("unknown advanced drop-down list");
}

void AddItems(HWND list, const std::array<std::string_view, 2>& words) {
    for (const std::string_view word : words) {
        const std::wstring item = win32::Utf8ToWide(word);
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

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

AdvancedDialog::AdvancedDialog(HINSTANCE instance, HWND owner)
    : owner_(owner), controls_(advanced::design) {
    const std::wstring title = win32::Utf8ToWide(advanced::caption);
    create({{L"TalAdvancedSettingsDialog", COLOR_BTNFACE, iconResource},
            exStyle,
            style,
            title.c_str(),
            false,
            "詳細設定の画面を作成できませんでした。"},
           instance, owner);
    controls_.create(handle(), instance);
    AddItems(control(advanced::browserMode), advanced::browserModeWords);
    AddItems(control(advanced::newWindows), advanced::newWindowsWords);
    controls_.layOut(handle(), win32::WindowDpi(handle()));
}

AdvancedDialog::~AdvancedDialog() {
    save_ = {};
    destroy();
}

void AdvancedDialog::runModal() {
    {
        const DisabledOwner disabled(owner_);
        centreOverOwner();
        ::ShowWindow(handle(), SW_SHOWNORMAL);
        ::SetFocus(::GetNextDlgTabItem(handle(), nullptr, FALSE));
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

std::string AdvancedDialog::text(AdvancedText which) {
    return AnsiText(control(IdOf(which)));
}

void AdvancedDialog::setText(AdvancedText which, const std::string& text) {
    ::SetWindowTextW(control(IdOf(which)), win32::AnsiToWide(text).c_str());
}

bool AdvancedDialog::isChecked(AdvancedCheck which) {
    return ::SendMessageW(control(IdOf(which)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AdvancedDialog::setChecked(AdvancedCheck which, bool checked) {
    ::SendMessageW(control(IdOf(which)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string AdvancedDialog::choice(AdvancedChoice which) {
    HWND list = control(IdOf(which));
    const auto selected = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        return {};
    }
    std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(
                          0, ::SendMessageW(list, CB_GETLBTEXTLEN, selected, 0))) +
                          1,
                      L'\0');
    const auto copied =
        ::SendMessageW(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return win32::WideToAnsi(item);
}

void AdvancedDialog::setChoice(AdvancedChoice which, const std::string& word) {
    HWND list = control(IdOf(which));
    const std::wstring item = win32::AnsiToWide(word);
    const auto found = ::SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(item.c_str()));
    ::SendMessageW(list, CB_SETCURSEL, found == CB_ERR ? 0 : found, 0);
}

void AdvancedDialog::setFocus(AdvancedText which) {
    ::SetFocus(control(IdOf(which)));
}

void AdvancedDialog::disable(AdvancedText which) {
    ::EnableWindow(control(IdOf(which)), FALSE);
}

void AdvancedDialog::disable(AdvancedCheck which) {
    ::EnableWindow(control(IdOf(which)), FALSE);
}

void AdvancedDialog::disable(AdvancedChoice which) {
    ::EnableWindow(control(IdOf(which)), FALSE);
}

void AdvancedDialog::centreOverOwner() {
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

LRESULT AdvancedDialog::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                if (LOWORD(wParam) == advanced::saveButton && save_) {
                    save_();
                } else if (LOWORD(wParam) == advanced::cancelButton) {
                    close();
                }
            }
            return 0;
        case WM_CLOSE:
            // The close box and Escape in the sites field: nothing is saved.
            close();
            return 0;
        case WM_ACTIVATE:
            onActivate(window, LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            controls_.layOut(window, HIWORD(wParam));
            return 0;
        }
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void AdvancedDialog::onActivate(HWND window, bool active) {
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
