#include "kiosk/WindowClassRules.h"

#include <array>

#include "common/Flags.h"

namespace tal {

namespace {

using enum WindowVerdict;

constexpr std::array rules{
    WindowClassRule{"#32770", refuse,
                    "a dialog: the file, print, page setup, certificate and credential dialogs "
                    "each lead to a file browser; the kiosk's own boxes are let through by who "
                    "opened them, not by their class"},
    WindowClassRule{"Internet Explorer_TridentDlgFrame", refuse,
                    "a page's HTML dialog, print preview or find box"},
    WindowClassRule{"Credential Dialog Xaml Host", refuse, "the credential prompt"},
    WindowClassRule{"TAL.Kiosk", allow, "the kiosk's main window"},
    WindowClassRule{"TAL.ReturnButton", allow, "the return button's window"},
    WindowClassRule{"TAL.IdleWarning", allow, "the inactivity warning"},
    WindowClassRule{"TAL.OperatorMenu", allow, "the operator menu, behind the operator's PIN"},
    WindowClassRule{"TAL.OfflineNotice", allow,
                    "the notice over the page while the network does not bring it (a child of "
                    "the main window, listed with the kiosk's own)"},
    WindowClassRule{"Static", allow,
                    "the hidden owners that keep the kiosk's windows off the taskbar"},
    WindowClassRule{"IME", allow, "the input method's default window of each thread"},
    WindowClassRule{"MSCTFIME UI", allow, "the text services' input method window"},
    WindowClassRule{"CiceroUIWndFrame", allow,
                    "the text services' candidate, composition and language bar windows"},
    WindowClassRule{"ComboLBox", allow, "the drop-down list of a <select> field"},
    WindowClassRule{"Auto-Suggest Dropdown", allow, "the list of earlier entries of a form field"},
    WindowClassRule{"tooltips_class32", allow, "tooltips"},
    WindowClassRule{"#32768", allow, "menus"},
    WindowClassRule{"SysShadow", allow, "the shadow under menus and tooltips"},
    WindowClassRule{"SysFader", allow, "menus and tooltips fading in"},
    WindowClassRule{"Internet Explorer_Hidden", allow, "the browser control's hidden window"},
    WindowClassRule{"OleMainThreadWndClass", allow, "COM's hidden window of each thread"},
    WindowClassRule{"URL Moniker Notification Window", allow,
                    "the hidden window of the control's downloads"},
    WindowClassRule{"Message", allow, "the system's parent of hidden message-only windows"},
};

}  // namespace

std::span<const WindowClassRule> WindowClassRules() {
    return rules;
}

WindowVerdict JudgeWindowClass(std::string_view className) {
    const std::string name = LowerCase(className);
    for (const WindowClassRule& rule : rules) {
        if (LowerCase(rule.className) == name) {
            return rule.verdict;
        }
    }
    return unknown;
}

}  // namespace tal
