#pragma once

#include <cstdint>
#include <optional>

#include "kiosk/RefusalLog.h"

namespace tal {

class PageRules;

// The commands that the browser control hands its host before it shows a dialog of its own
// (OLECMDID values of the group CGID_DocHostCommandHandler).
namespace host_command {
inline constexpr std::uint32_t printPreview = 7;
inline constexpr std::uint32_t pageSetup = 8;
inline constexpr std::uint32_t showScriptError = 40;
inline constexpr std::uint32_t showFind = 42;
inline constexpr std::uint32_t showPageSetup = 43;
inline constexpr std::uint32_t showPrint = 44;
inline constexpr std::uint32_t printPreview2 = 50;
}  // namespace host_command

enum class CommandAnswer {
    // Handled by doing nothing: no dialog.
    refuse,
    // Handled: the page goes to the default printer, without a dialog.
    printSilently,
    // Handled: the page's scripts go on, and no error is shown.
    continueScripts,
    // Not the host's: the control does what it does without a host.
    notSupported,
};

// Message box styles and answers (user32's MB_ and ID values) of a page's alert and confirm.
namespace page_box {
inline constexpr std::uint32_t okOnly = 0x0;
inline constexpr std::uint32_t okCancel = 0x1;
inline constexpr std::uint32_t abortRetryIgnore = 0x2;
inline constexpr std::uint32_t yesNoCancel = 0x3;
inline constexpr std::uint32_t yesNo = 0x4;
inline constexpr std::uint32_t retryCancel = 0x5;
inline constexpr std::uint32_t cancelTryContinue = 0x6;
inline constexpr std::uint32_t buttonsMask = 0xF;
inline constexpr std::uint32_t iconMask = 0xF0;
inline constexpr std::uint32_t defaultButtonMask = 0xF00;
inline constexpr int ok = 1;
inline constexpr int cancel = 2;
inline constexpr int abort = 3;
inline constexpr int no = 7;
}  // namespace page_box

// NWMF_HTMLDIALOG: the new window a page asks for is an HTML dialog.
inline constexpr std::uint32_t newWindowHtmlDialog = 0x20;
// ERROR_INTERNET_HTTP_TO_HTTPS_ON_REDIR: a redirect from http to https, the one security problem
// that is no reason to stop.
inline constexpr std::uint32_t redirectToHttps = 12039;

// What the kiosk answers when the browser control is about to show one of the system's dialogs:
// print, page setup, script errors, a page's message box, HTML dialogs, certificate problems and
// credential requests. Nothing that leads to a file browser opens, and pages keep working.
class PagePrompts {
public:
    explicit PagePrompts(RefusalLog& log) : log_(log) {}

    // Until they are known, printing is off and new windows are let through to the control's
    // events, as with the defaults.
    void setRules(const PageRules* rules) { rules_ = rules; }

    CommandAnswer command(std::uint32_t id) const;
    // Whether the control may go on with a new window that a page asks for (it then raises its
    // new-window event, where the page guard shows the page in the kiosk's own browser).
    bool allowsNewWindow(std::uint32_t flags) const;
    // A certificate or redirect problem of a download; true: go on. Every stop is logged.
    bool securityProblem(std::uint32_t problem);
    // A site asks for a user name and password: none is given, and the navigation fails.
    void credentialsRequested();

    // The style of the kiosk's own box for a page's message box: the page's buttons, icon and
    // default button, and nothing else (no help button, no system-modal box). Nothing while
    // another one is open: the page then gets declinedAnswer at once.
    std::optional<std::uint32_t> openBox(std::uint32_t requested);
    void boxClosed() { boxOpen_ = false; }
    // The answer of a box that is not shown, or closed by a reset: as if the visitor declined.
    static int declinedAnswer(std::uint32_t style);

private:
    RefusalLog& log_;
    const PageRules* rules_ = nullptr;
    bool boxOpen_ = false;
};

}  // namespace tal
