#include "kiosk/ui/HostPrompts.h"

#include "kiosk/PagePrompts.h"
#include "kiosk/ui/HostDeclarations.h"
#include "win32/OwnDialogScope.h"

namespace tal::kiosk_ui {

namespace {

HRESULT NotOurs(const GUID* group) {
    return group == nullptr ? OLECMDERR_E_NOTSUPPORTED : OLECMDERR_E_UNKNOWNGROUP;
}

}  // namespace

void HostPrompts::print(IWebBrowser2& control) {
    // The control may ask its host again while it prints: that is no new request.
    printing_ = true;
    control.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr);
    printing_ = false;
}

STDMETHODIMP HostPrompts::QueryInterface(REFIID riid, void** object) {
    return outer_.QueryInterface(riid, object);
}
STDMETHODIMP_(ULONG) HostPrompts::AddRef() {
    return outer_.AddRef();
}
STDMETHODIMP_(ULONG) HostPrompts::Release() {
    return outer_.Release();
}

STDMETHODIMP HostPrompts::QueryStatus(const GUID* group, ULONG count, OLECMD commands[],
                                      OLECMDTEXT*) {
    if (group == nullptr || *group != docHostCommandGroup || answers_ == nullptr) {
        return NotOurs(group);
    }
    if (commands == nullptr) {
        return E_POINTER;
    }
    for (ULONG i = 0; i < count; ++i) {
        commands[i].cmdf = answers_->command(commands[i].cmdID) == CommandAnswer::notSupported
                               ? 0
                               : OLECMDF_SUPPORTED | OLECMDF_ENABLED;
    }
    return S_OK;
}

STDMETHODIMP HostPrompts::Exec(const GUID* group, DWORD command, DWORD, VARIANT*, VARIANT* out) {
    if (group == nullptr || *group != docHostCommandGroup || answers_ == nullptr) {
        return NotOurs(group);
    }
    // S_OK: handled by the host, so the control shows no dialog of its own.
    switch (answers_->command(command)) {
        case CommandAnswer::refuse:
            return S_OK;
        case CommandAnswer::printSilently:
            if (!printing_ && onPrint) {
                try {
                    onPrint();
                } catch (...) {
                    return E_FAIL;
                }
            }
            return S_OK;
        case CommandAnswer::continueScripts:
            if (out != nullptr) {
                ::VariantClear(out);
                out->vt = VT_BOOL;
                out->boolVal = VARIANT_TRUE;
            }
            return S_OK;
        case CommandAnswer::notSupported:
            break;
    }
    return OLECMDERR_E_NOTSUPPORTED;
}

STDMETHODIMP HostPrompts::ShowMessage(HWND, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR,
                                      DWORD, LRESULT* result) {
    if (result == nullptr) {
        return E_POINTER;
    }
    if (answers_ == nullptr) {
        return S_FALSE;
    }
    // No exception may cross a COM method.
    try {
        const win32::OwnDialogScope own;
        const auto style = answers_->openBox(type);
        if (!style) {
            *result = PagePrompts::declinedAnswer(type);
            return S_OK;
        }
        if (onBox) {
            onBox(true);
        }
        const int answer = ::MessageBoxW(owner_, text != nullptr ? text : L"",
                                         caption != nullptr ? caption : L"", *style);
        answers_->boxClosed();
        if (onBox) {
            onBox(false);
        }
        *result = answer != 0 ? answer : PagePrompts::declinedAnswer(*style);
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}

STDMETHODIMP HostPrompts::ShowHelp(HWND, LPOLESTR, UINT, DWORD, POINT, IDispatch*) {
    // S_OK: the host has shown the help, that is none.
    return S_OK;
}

STDMETHODIMP HostPrompts::EvaluateNewWindow(LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, BOOL, DWORD flags,
                                            DWORD) {
    if (answers_ == nullptr) {
        return E_FAIL;  // the control's own rule
    }
    // S_FALSE: the window is refused without a notice.
    return answers_->allowsNewWindow(flags) ? S_OK : S_FALSE;
}

STDMETHODIMP HostPrompts::GetWindow(REFGUID, HWND* window) {
    if (window == nullptr) {
        return E_INVALIDARG;
    }
    // S_FALSE: there is no window to show anything in.
    *window = nullptr;
    return S_FALSE;
}

STDMETHODIMP HostPrompts::OnSecurityProblem(DWORD problem) {
    if (answers_ == nullptr) {
        return E_ABORT;
    }
    try {
        // RPC_E_RETRY: go on; E_ABORT: the download fails, without the dialog that S_FALSE asks
        // for.
        return answers_->securityProblem(problem) ? RPC_E_RETRY : E_ABORT;
    } catch (...) {
        return E_ABORT;
    }
}

STDMETHODIMP HostPrompts::Authenticate(HWND* window, LPWSTR* userName, LPWSTR* password) {
    if (window == nullptr || userName == nullptr || password == nullptr) {
        return E_INVALIDARG;
    }
    *window = nullptr;
    *userName = nullptr;
    *password = nullptr;
    try {
        if (answers_ != nullptr) {
            answers_->credentialsRequested();
        }
    } catch (...) {
        // The line is lost; the answer stands.
    }
    // E_ACCESSDENIED: no credentials, and no prompt for them.
    return E_ACCESSDENIED;
}

STDMETHODIMP HostPrompts::QueryService(REFGUID service, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (answers_ != nullptr &&
        (service == SID_SNewWindowManager || service == IID_IHttpSecurity ||
         service == IID_IWindowForBindingUI || service == IID_IAuthenticate)) {
        return QueryInterface(riid, object);
    }
    return next_.QueryService(service, riid, object);
}

}  // namespace tal::kiosk_ui
