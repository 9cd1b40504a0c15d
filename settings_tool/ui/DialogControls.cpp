#include "settings_tool/ui/DialogControls.h"

#include <stdexcept>
#include <string>

#include "win32/Dpi.h"
#include "win32/Failure.h"
#include "win32/Font.h"
#include "win32/TextConversion.h"

namespace tal::settings_dialog {

namespace {

constexpr int fontPoints = 9;
// The drop-down lists show this many items before they scroll.
constexpr int visibleListItems = 12;
// The longest PIN; a longer one is refused anyway, so the field takes no more.
constexpr int pinDigits = 12;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
};

WindowKind KindOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::label:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX};
        case ControlKind::textBox:
            return {L"EDIT", WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL};
        case ControlKind::pinBox:
            return {L"EDIT",
                    WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL | ES_PASSWORD | ES_NUMBER};
        case ControlKind::comboBox:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL};
        case ControlKind::dropDownList:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
        case ControlKind::multiLineText:
            return {L"EDIT", WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_LEFT | ES_MULTILINE |
                                 ES_WANTRETURN | ES_AUTOVSCROLL};
        case ControlKind::checkBox:
            return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
        case ControlKind::pushButton:
            return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
    }
    throw std::logic_error("unknown control kind");
}

bool IsComboBox(ControlKind kind) {
    return kind == ControlKind::comboBox || kind == ControlKind::dropDownList;
}

// A drop-down's height is that of its open list; its closed height follows the height of its
// selection field, which is set so that the closed box gets the designed height where the font
// allows it.
void SizeComboBox(HWND combo, const RECT& box, int listHeight) {
    ::MoveWindow(combo, box.left, box.top, box.right - box.left, listHeight, FALSE);
    RECT closed{};
    ::GetWindowRect(combo, &closed);
    const auto field =
        static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int frame = (closed.bottom - closed.top) - field;
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                   (box.bottom - box.top) - frame);
}

}  // namespace

void DialogControls::create(HWND dialog, HINSTANCE instance) {
    dialog_ = dialog;
    for (const ControlLayout& control : design_.controls) {
        const WindowKind kind = KindOf(control.kind);
        HWND created = ::CreateWindowExW(
            0, kind.className, win32::Utf8ToWide(control.caption).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, dialog,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (created == nullptr) {
            throw win32::Failure("設定画面の項目を作成できませんでした。", ::GetLastError());
        }
        if (control.kind == ControlKind::textBox || control.kind == ControlKind::multiLineText) {
            ::SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
        }
        if (control.kind == ControlKind::pinBox) {
            ::SendMessageW(created, EM_SETLIMITTEXT, pinDigits, 0);
            // Dots whatever version of the common controls draws the field, as in the kiosk.
            ::SendMessageW(created, EM_SETPASSWORDCHAR, L'\u25CF', 0);
        }
        if (control.kind == ControlKind::comboBox) {
            ::SendMessageW(created, CB_LIMITTEXT, 0, 0);
        }
    }
}

void DialogControls::layOut(UINT dpi) {
    HWND dialog = dialog_;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    RECT frame{0, 0, win32::TwipsToPixels(design_.clientWidth, dpi),
               win32::TwipsToPixels(design_.clientHeight, dpi)};
    win32::AdjustWindowRectForDpi(frame, style, exStyle, dpi);
    ::SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    win32::UniqueFont font = win32::CreateUiFont(fontPoints, win32::FontWeight::normal, dpi);
    for (const ControlLayout& control : design_.controls) {
        HWND window = ::GetDlgItem(dialog, control.id);
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        const RECT box{win32::TwipsToPixels(control.left, dpi),
                       win32::TwipsToPixels(control.top, dpi),
                       win32::TwipsToPixels(control.left + control.width, dpi),
                       win32::TwipsToPixels(control.top + control.height, dpi)};
        if (IsComboBox(control.kind)) {
            SizeComboBox(window, box, (box.bottom - box.top) * (visibleListItems + 1));
        } else {
            ::MoveWindow(window, box.left, box.top, box.right - box.left, box.bottom - box.top,
                         FALSE);
        }
    }
    // The controls use the new font now; the old one may go.
    font_ = std::move(font);
    ::InvalidateRect(dialog, nullptr, TRUE);
}

std::optional<std::string> DialogControls::text(int id) const {
    HWND control = (*this)[id];
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    const int copied = ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return win32::WideToAnsiExactly(text);
}

void DialogControls::setText(int id, const std::string& text) {
    ::SetWindowTextW((*this)[id], win32::AnsiToWide(text).c_str());
}

void DialogControls::setCaption(int id, std::string_view utf8) {
    ::SetWindowTextW((*this)[id], win32::Utf8ToWide(utf8).c_str());
}

bool DialogControls::isChecked(int id) const {
    return ::SendMessageW((*this)[id], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogControls::setChecked(int id, bool checked) {
    ::SendMessageW((*this)[id], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogControls::setItems(int id, const std::vector<std::string>& items) {
    HWND list = (*this)[id];
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        ::SendMessageW(list, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(win32::Utf8ToWide(item).c_str()));
    }
}

void DialogControls::select(int id, std::size_t index) {
    ::SendMessageW((*this)[id], CB_SETCURSEL, index, 0);
}

std::size_t DialogControls::selection(int id) const {
    const LRESULT selected = ::SendMessageW((*this)[id], CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? 0 : static_cast<std::size_t>(selected);
}

void DialogControls::disable(int id) {
    ::EnableWindow((*this)[id], FALSE);
}

void DialogControls::focus(int id) {
    ::SetFocus((*this)[id]);
}

}  // namespace tal::settings_dialog
