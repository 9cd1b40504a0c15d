#pragma once

#include <windows.h>
// After <windows.h>, which they need.
#include <docobj.h>
#include <shobjidl.h>
#include <wininet.h>

#include "kiosk/PagePrompts.h"

namespace tal::kiosk_ui {

// CGID_DocHostCommandHandler, the command group in which the browser control asks its host
// before it shows a dialog: MinGW-w64's header declares it, its import library lacks it.
inline constexpr GUID docHostCommandGroup = {
    0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};

// The logic's copies of the values it decides on.
static_assert(host_command::printPreview == OLECMDID_PRINTPREVIEW);
static_assert(host_command::pageSetup == OLECMDID_PAGESETUP);
static_assert(host_command::showScriptError == OLECMDID_SHOWSCRIPTERROR);
static_assert(host_command::showFind == OLECMDID_SHOWFIND);
static_assert(host_command::showPageSetup == OLECMDID_SHOWPAGESETUP);
static_assert(host_command::showPrint == OLECMDID_SHOWPRINT);
static_assert(host_command::printPreview2 == OLECMDID_PRINTPREVIEW2);
static_assert(page_box::okOnly == MB_OK && page_box::okCancel == MB_OKCANCEL &&
              page_box::abortRetryIgnore == MB_ABORTRETRYIGNORE &&
              page_box::yesNoCancel == MB_YESNOCANCEL && page_box::yesNo == MB_YESNO &&
              page_box::retryCancel == MB_RETRYCANCEL &&
              page_box::cancelTryContinue == MB_CANCELTRYCONTINUE);
static_assert(page_box::buttonsMask == MB_TYPEMASK && page_box::iconMask == MB_ICONMASK &&
              page_box::defaultButtonMask == MB_DEFMASK);
static_assert(page_box::ok == IDOK && page_box::cancel == IDCANCEL && page_box::abort == IDABORT &&
              page_box::no == IDNO);
static_assert(newWindowHtmlDialog == NWMF_HTMLDIALOG);
static_assert(redirectToHttps == ERROR_INTERNET_HTTP_TO_HTTPS_ON_REDIR);

}  // namespace tal::kiosk_ui
