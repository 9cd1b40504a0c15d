#include "settings_tool/ui/SettingsDialog.h"

#include <stdexcept>
#include <string>

#include "common/NumberText.h"
#include "settings_tool/ui/ControlIds.h"
#include "settings_tool/ui/DialogLayout.h"
#include "win32/Dpi.h"
#include "win32/TextConversion.h"

namespace tal::settings_dialog {

namespace {

// A fixed dialog border with a close box: no sizing frame, no minimise or maximise box.
constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int IdOf(TextControl control) {
    switch (control) {
        case TextControl::startPage:
            return startPage;
        case TextControl::shutdownHour:
            return shutdownHour;
        case TextControl::shutdownMinute:
            return shutdownMinute;
    }
    throw std::logic_error("unknown text control");
}

int IdOf(CheckControl control) {
    switch (control) {
        case CheckControl::returnButton:
            return returnButton;
        case CheckControl::taskBar:
            return taskBar;
        case CheckControl::contextMenu:
            return contextMenu;
        case CheckControl::toolBar:
            return toolBar;
    }
    throw std::logic_error("unknown check box");
}

void FillTwoDigitItems(HWND combo, int count) {
    for (int value = 0; value < count; ++value) {
        const std::wstring item = win32::Utf8ToWide(FormatTwoDigits(value));
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

}  // namespace

SettingsDialog::SettingsDialog(HINSTANCE instance) : controls_(design) {
    const std::wstring title = win32::Utf8ToWide(caption);
    create({{L"TalSettingsDialog", COLOR_BTNFACE, iconResource},
            exStyle,
            style,
            title.c_str(),
            true,
            "設定画面を作成できませんでした。"},
           instance);
    controls_.create(handle(), instance);
    FillTwoDigitItems(control(shutdownHour), hourItems);
    FillTwoDigitItems(control(shutdownMinute), minuteItems);
    controls_.layOut(handle(), win32::WindowDpi(handle()));
}

SettingsDialog::~SettingsDialog() {
    handlers_ = {};
    destroy();
}

void SettingsDialog::show() {
    ::ShowWindow(handle(), SW_SHOWNORMAL);
    ::SetFocus(::GetNextDlgTabItem(handle(), nullptr, FALSE));
}

int SettingsDialog::runMessageLoop() {
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

std::string SettingsDialog::text(TextControl which) {
    return AnsiText(control(IdOf(which)));
}

void SettingsDialog::setText(TextControl which, const std::string& text) {
    ::SetWindowTextW(control(IdOf(which)), win32::AnsiToWide(text).c_str());
}

bool SettingsDialog::isChecked(CheckControl which) {
    return ::SendMessageW(control(IdOf(which)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SettingsDialog::setChecked(CheckControl which, bool checked) {
    ::SendMessageW(control(IdOf(which)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SettingsDialog::setFocus(TextControl which) {
    ::SetFocus(control(IdOf(which)));
}

void SettingsDialog::disable(TextControl which) {
    ::EnableWindow(control(IdOf(which)), FALSE);
}

void SettingsDialog::disable(CheckControl which) {
    ::EnableWindow(control(IdOf(which)), FALSE);
}

void SettingsDialog::showManagedByPolicy() {
    const std::string title = std::string(caption) + std::string(managedCaptionSuffix);
    ::SetWindowTextW(handle(), win32::Utf8ToWide(title).c_str());
}

void SettingsDialog::close() {
    destroy();
}

LRESULT SettingsDialog::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
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
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void SettingsDialog::onCommand(int id, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    if (id == closeButton && handlers_.closeClicked) {
        handlers_.closeClicked();
    } else if (id == resetButton && handlers_.resetClicked) {
        handlers_.resetClicked();
    } else if (id == advancedButton && handlers_.advancedClicked) {
        handlers_.advancedClicked();
    }
}

void SettingsDialog::onActivate(HWND window, bool active) {
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
