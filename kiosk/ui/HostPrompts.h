#pragma once

#include <windows.h>
// After <windows.h>, which they need.
#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <servprov.h>
#include <shobjidl.h>
#include <urlmon.h>

#include <functional>

namespace tal {
class PagePrompts;
}

namespace tal::kiosk_ui {

// The part of the browser host that answers the control before it would show one of the
// system's dialogs (print, page setup, script errors, a page's message box, help, HTML dialogs,
// certificate problems, credentials), as PagePrompts decides; none of them opens. It lives inside
// the host and shares the host's identity: every IUnknown call goes to `outer`. The services it
// does not answer go on to `next`.
class HostPrompts final : public IOleCommandTarget,
                          public IDocHostShowUI,
                          public INewWindowManager,
                          public IHttpSecurity,
                          public IAuthenticate,
                          public IServiceProvider {
public:
    HostPrompts(IUnknown& outer, IServiceProvider& next) : outer_(outer), next_(next) {}
    HostPrompts(const HostPrompts&) = delete;
    HostPrompts& operator=(const HostPrompts&) = delete;

    // The kiosk's answers. Without them the host offers none of its services and leaves commands,
    // a page's boxes and new windows to the control, as a host without answers would.
    void setAnswers(PagePrompts* answers) { answers_ = answers; }
    // The window that owns a page's boxes.
    void setOwner(HWND owner) { owner_ = owner; }
    // Runs when a page is to be printed without a dialog: the caller prints later, with
    // print(), once the control's call is over.
    std::function<void()> onPrint;
    // Runs when a page's box opens (true) and when it is closed (false).
    std::function<void(bool open)> onBox;
    // Sends the control's page to the default printer without a dialog.
    void print(IWebBrowser2& control);

    // IUnknown, delegated to the host.
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleCommandTarget
    STDMETHODIMP QueryStatus(const GUID* group, ULONG count, OLECMD commands[],
                             OLECMDTEXT* text) override;
    STDMETHODIMP Exec(const GUID* group, DWORD command, DWORD options, VARIANT* in,
                      VARIANT* out) override;

    // IDocHostShowUI
    STDMETHODIMP ShowMessage(HWND window, LPOLESTR text, LPOLESTR caption, DWORD type,
                             LPOLESTR helpFile, DWORD helpContext, LRESULT* result) override;
    STDMETHODIMP ShowHelp(HWND window, LPOLESTR helpFile, UINT command, DWORD data, POINT point,
                          IDispatch* hit) override;

    // INewWindowManager
    STDMETHODIMP EvaluateNewWindow(LPCWSTR url, LPCWSTR name, LPCWSTR urlContext, LPCWSTR features,
                                   BOOL replace, DWORD flags, DWORD userActionTime) override;

    // IWindowForBindingUI and IHttpSecurity
    STDMETHODIMP GetWindow(REFGUID reason, HWND* window) override;
    STDMETHODIMP OnSecurityProblem(DWORD problem) override;

    // IAuthenticate
    STDMETHODIMP Authenticate(HWND* window, LPWSTR* userName, LPWSTR* password) override;

    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID riid, void** object) override;

private:
    IUnknown& outer_;
    IServiceProvider& next_;
    PagePrompts* answers_ = nullptr;
    HWND owner_ = nullptr;
    bool printing_ = false;
};

}  // namespace tal::kiosk_ui
