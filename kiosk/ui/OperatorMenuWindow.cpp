#include "kiosk/ui/OperatorMenuWindow.h"

#include <utility>

#include "kiosk/ui/CenteredPopup.h"
#include "win32/Dpi.h"
#include "win32/Failure.h"
#include "win32/Font.h"
#include "win32/TextConversion.h"

namespace tal::kiosk_ui {

namespace {

namespace id = operator_menu;

constexpr char whatFailed[] = "管理者メニューを作成できませんでした。";
constexpr DWORD style = WS_POPUP | WS_CAPTION;
constexpr DWORD exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;
constexpr int longestPin = 12;
// A filled circle for each digit typed.
constexpr wchar_t dot = L'\u25CF';

constexpr float margin = 240;
constexpr float gap = 120;
// Keys large enough for a fingertip: about 60 by 80 pixels at 96 dpi.
constexpr float keyWidth = 1200;
constexpr float keyHeight = 900;
constexpr float rowWidth = 3 * keyWidth + 2 * gap;
constexpr float clientWidth = rowWidth + 2 * margin;
constexpr TwipsBox messageBox{margin, margin, rowWidth, 720};
constexpr TwipsBox pinBox{margin, 1080, rowWidth, 600};
constexpr float keysTop = 1800;
constexpr float clientHeight = keysTop + 5 * (keyHeight + gap) - gap + margin;
constexpr int messagePoints = 12;
constexpr int buttonPoints = 16;

constexpr TwipsBox Key(int column, int row) {
    return {margin + static_cast<float>(column) * (keyWidth + gap),
            keysTop + static_cast<float>(row) * (keyHeight + gap), keyWidth, keyHeight};
}

constexpr TwipsBox Wide(int row) {
    return {margin, keysTop + static_cast<float>(row) * (keyHeight + gap), rowWidth, keyHeight};
}

struct Control {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    TwipsBox box;
    // Shown on the PIN's pages, or on the page of choices.
    bool forPin;
};

// The digits as on a telephone: 1 to 9 in three rows, then "消去", 0 and "OK".
constexpr Control controls[] = {
    {id::messageId, L"STATIC", L"", SS_CENTER | SS_NOPREFIX, messageBox, true},
    {id::pinId, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_CENTER | ES_PASSWORD | ES_NUMBER, pinBox,
     true},
    {id::firstDigitId + 1, L"BUTTON", L"1", 0, Key(0, 0), true},
    {id::firstDigitId + 2, L"BUTTON", L"2", 0, Key(1, 0), true},
    {id::firstDigitId + 3, L"BUTTON", L"3", 0, Key(2, 0), true},
    {id::firstDigitId + 4, L"BUTTON", L"4", 0, Key(0, 1), true},
    {id::firstDigitId + 5, L"BUTTON", L"5", 0, Key(1, 1), true},
    {id::firstDigitId + 6, L"BUTTON", L"6", 0, Key(2, 1), true},
    {id::firstDigitId + 7, L"BUTTON", L"7", 0, Key(0, 2), true},
    {id::firstDigitId + 8, L"BUTTON", L"8", 0, Key(1, 2), true},
    {id::firstDigitId + 9, L"BUTTON", L"9", 0, Key(2, 2), true},
    {id::clearId, L"BUTTON", L"消去", 0, Key(0, 3), true},
    {id::firstDigitId, L"BUTTON", L"0", 0, Key(1, 3), true},
    {id::okId, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, Key(2, 3), true},
    {id::cancelId, L"BUTTON", L"キャンセル", WS_TABSTOP, Wide(4), true},
    {id::exitId, L"BUTTON", L"キオスクを終了", WS_TABSTOP, Wide(0), false},
    {id::settingsToolId, L"BUTTON", L"設定ツールを開く", WS_TABSTOP, Wide(1), false},
    {id::restartId, L"BUTTON", L"キオスクを再起動", WS_TABSTOP, Wide(2), false},
    {id::closeId, L"BUTTON", L"閉じる", WS_TABSTOP, Wide(3), false},
};

}  // namespace

OperatorMenuWindow::OperatorMenuWindow(HINSTANCE instance) {
    // A hidden owner keeps it off the taskbar.
    create(
        {{L"TAL.OperatorMenu", COLOR_WINDOW}, exStyle, style, L"管理者メニュー", true, whatFailed},
        instance);
    for (const Control& control : controls) {
        if (::CreateWindowExW(0, control.className, control.text, WS_CHILD | control.style, 0, 0, 0,
                              0, window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                              nullptr) == nullptr) {
            throw win32::Failure(whatFailed, ::GetLastError());
        }
    }
    HWND pin = ::GetDlgItem(window(), id::pinId);
    // Typing or pasting more is refused by the field itself.
    ::SendMessageW(pin, EM_LIMITTEXT, longestPin, 0);
    ::SendMessageW(pin, EM_SETPASSWORDCHAR, dot, 0);
    layOut(win32::WindowDpi(window()));
}

OperatorMenuWindow::~OperatorMenuWindow() {
    onSubmit = nullptr;
    onChoice = nullptr;
    destroy();
}

void OperatorMenuWindow::layOut(UINT dpi) {
    win32::UniqueFont messageFont =
        win32::CreateUiFont(messagePoints, win32::FontWeight::bold, dpi);
    win32::UniqueFont buttonFont =
        win32::CreateUiFont(buttonPoints, win32::FontWeight::normal, dpi);
    CenterOnScreen(window(), clientWidth, clientHeight, style, exStyle, dpi);
    for (const Control& control : controls) {
        HWND child = ::GetDlgItem(window(), control.id);
        PlaceControl(child, control.box, dpi);
        const HFONT font = control.id == id::messageId ? messageFont.get() : buttonFont.get();
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The controls use the new fonts now; the old ones may go.
    messageFont_ = std::move(messageFont);
    buttonFont_ = std::move(buttonFont);
}

void OperatorMenuWindow::show(const OperatorMenuState& state) {
    const bool choices = state.page == OperatorMenuPage::choices;
    const bool locked = state.page == OperatorMenuPage::locked;
    for (const Control& control : controls) {
        HWND child = ::GetDlgItem(window(), control.id);
        ::ShowWindow(child, control.forPin != choices ? SW_SHOWNA : SW_HIDE);
        // While locked only "キャンセル" does anything.
        ::EnableWindow(child, !locked || control.id == id::cancelId || control.id == id::messageId);
    }
    std::wstring message;
    switch (state.page) {
        case OperatorMenuPage::pin:
            message = L"PIN を入力してください";
            break;
        case OperatorMenuPage::wrongPin:
            message = L"PIN が違います";
            break;
        case OperatorMenuPage::locked:
            message = L"入力がロックされています。あと " + std::to_wstring(state.minutesLeft) +
                      L" 分お待ちください。";
            break;
        case OperatorMenuPage::choices:
            message = L"操作を選んでください";
            break;
    }
    ::SetDlgItemTextW(window(), id::messageId, message.c_str());
    ::SetDlgItemTextW(window(), id::pinId, L"");
    ::SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    focusedControl_ = choices ? id::closeId : locked ? id::cancelId : id::pinId;
    takeKeyboard();
}

void OperatorMenuWindow::takeKeyboard() {
    if (shown()) {
        ::SetForegroundWindow(window());
        ::SetFocus(::GetDlgItem(window(), focusedControl_));
    }
}

void OperatorMenuWindow::hide() {
    ::SetDlgItemTextW(window(), id::pinId, L"");
    ::ShowWindow(window(), SW_HIDE);
}

void OperatorMenuWindow::addDigit(wchar_t digit) {
    HWND pin = ::GetDlgItem(window(), id::pinId);
    if (::GetWindowTextLengthW(pin) < longestPin) {
        const int end = ::GetWindowTextLengthW(pin);
        ::SendMessageW(pin, EM_SETSEL, end, end);
        const wchar_t text[] = {digit, L'\0'};
        ::SendMessageW(pin, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    }
    // The field keeps the keyboard, so that typing and tapping mix.
    ::SetFocus(pin);
}

void OperatorMenuWindow::command(int control) {
    if (control >= id::firstDigitId && control <= id::firstDigitId + 9) {
        addDigit(static_cast<wchar_t>(L'0' + (control - id::firstDigitId)));
        return;
    }
    switch (control) {
        case id::clearId:
            ::SetDlgItemTextW(window(), id::pinId, L"");
            ::SetFocus(::GetDlgItem(window(), id::pinId));
            break;
        case id::okId: {
            HWND pin = ::GetDlgItem(window(), id::pinId);
            // Enter reaches here also while the field is greyed.
            if (::IsWindowEnabled(pin) && ::IsWindowVisible(pin) && onSubmit) {
                // All of it: text set from outside passes the field's limit, and a PIN that is
                // too long must be refused, not cut to one that may fit.
                std::wstring digits(static_cast<std::size_t>(::GetWindowTextLengthW(pin)) + 1,
                                    L'\0');
                digits.resize(static_cast<std::size_t>(
                    ::GetWindowTextW(pin, digits.data(), static_cast<int>(digits.size()))));
                onSubmit(win32::WideToUtf8(digits));
            }
            break;
        }
        case id::exitId:
        case id::settingsToolId:
        case id::restartId:
            if (onChoice && ::IsWindowVisible(::GetDlgItem(window(), control))) {
                onChoice(control == id::exitId           ? OperatorChoice::exit
                         : control == id::settingsToolId ? OperatorChoice::settingsTool
                                                         : OperatorChoice::restart);
            }
            break;
        case id::cancelId:
        case id::closeId:
            if (onChoice) {
                onChoice(OperatorChoice::close);
            }
            break;
        default:
            break;
    }
}

LRESULT OperatorMenuWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Buttons report clicks; Enter and Esc come as IDOK and IDCANCEL with no notification.
            if (HIWORD(wParam) == BN_CLICKED) {
                command(LOWORD(wParam));
            }
            return 0;
        case WM_CLOSE:
            command(id::cancelId);
            return 0;
        case WM_CTLCOLORSTATIC:
            return win32::StaticOnWindowColor(wParam);
        case WM_DPICHANGED:
            layOut(HIWORD(wParam));
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::kiosk_ui
