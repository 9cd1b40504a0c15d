#include "kiosk/ui/PageGuard.h"

#include <exdispid.h>
#include <wrl/client.h>

#include "kiosk/PageRules.h"
#include "win32/TextConversion.h"

namespace tal::kiosk_ui {

namespace {

// Argument `index` of an event, counted as the event declares them (the array is reversed).
VARIANT* Argument(DISPPARAMS& parameters, UINT index) {
    if (index >= parameters.cArgs) {
        return nullptr;
    }
    VARIANT* argument = &parameters.rgvarg[parameters.cArgs - 1 - index];
    if (argument->vt == (VT_BYREF | VT_VARIANT) && argument->pvarVal != nullptr) {
        return argument->pvarVal;
    }
    return argument;
}

std::wstring Text(VARIANT* argument) {
    if (argument == nullptr) {
        return {};
    }
    if (argument->vt == VT_BSTR && argument->bstrVal != nullptr) {
        return std::wstring(argument->bstrVal, ::SysStringLen(argument->bstrVal));
    }
    if (argument->vt == (VT_BYREF | VT_BSTR) && argument->pbstrVal != nullptr &&
        *argument->pbstrVal != nullptr) {
        return std::wstring(*argument->pbstrVal, ::SysStringLen(*argument->pbstrVal));
    }
    return {};
}

void Cancel(VARIANT* argument) {
    if (argument != nullptr && argument->vt == (VT_BYREF | VT_BOOL) &&
        argument->pboolVal != nullptr) {
        *argument->pboolVal = VARIANT_TRUE;
    }
}

// NavigateError's status: an HRESULT or an HTTP status, as the control passes it.
std::uint32_t Status(VARIANT* argument) {
    if (argument != nullptr && (argument->vt == VT_I4 || argument->vt == VT_UI4 ||
                                argument->vt == VT_INT || argument->vt == VT_UINT)) {
        return argument->ulVal;
    }
    return 0;
}

bool Held(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

STDMETHODIMP PageGuard::QueryInterface(REFIID riid, void** object) {
    return outer_.QueryInterface(riid, object);
}
STDMETHODIMP_(ULONG) PageGuard::AddRef() {
    return outer_.AddRef();
}
STDMETHODIMP_(ULONG) PageGuard::Release() {
    return outer_.Release();
}

STDMETHODIMP PageGuard::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
    // S_OK: the host has shown its menu, that is none. S_FALSE: the control shows its own.
    return rules_ != nullptr && !rules_->showsContextMenu() ? S_OK : S_FALSE;
}

STDMETHODIMP PageGuard::GetHostInfo(DOCHOSTUIINFO* info) {
    if (info == nullptr) {
        return E_POINTER;
    }
    info->cbSize = sizeof *info;
    // Redirects raise BeforeNavigate2 too, so that they meet the rules.
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DISABLE_HELP_MENU |
                    DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

STDMETHODIMP PageGuard::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                               IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_FALSE;
}
STDMETHODIMP PageGuard::HideUI() {
    return S_OK;
}
STDMETHODIMP PageGuard::UpdateUI() {
    return S_OK;
}
STDMETHODIMP PageGuard::EnableModeless(BOOL enable) {
    // No exception may cross a COM method.
    try {
        if (onEnableModeless) {
            onEnableModeless(enable != FALSE);
        }
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}
STDMETHODIMP PageGuard::OnDocWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP PageGuard::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP PageGuard::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}

STDMETHODIMP PageGuard::TranslateAccelerator(LPMSG message, const GUID*, DWORD) {
    if (message == nullptr || rules_ == nullptr ||
        (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) {
        return S_FALSE;
    }
    const KeyStroke stroke{static_cast<std::uint32_t>(message->wParam), Held(VK_CONTROL),
                           Held(VK_SHIFT), message->message == WM_SYSKEYDOWN || Held(VK_MENU)};
    // S_OK: the host has handled the key, so the control does nothing with it.
    return rules_->blocksShortcut(stroke) ? S_OK : S_FALSE;
}

STDMETHODIMP PageGuard::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key != nullptr) {
        *key = nullptr;
    }
    return E_NOTIMPL;
}
STDMETHODIMP PageGuard::GetDropTarget(IDropTarget*, IDropTarget** replacement) {
    if (replacement != nullptr) {
        *replacement = nullptr;
    }
    return E_NOTIMPL;
}
STDMETHODIMP PageGuard::GetExternal(IDispatch** external) {
    if (external != nullptr) {
        *external = nullptr;
    }
    return E_NOTIMPL;
}
STDMETHODIMP PageGuard::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
    if (translated != nullptr) {
        *translated = nullptr;
    }
    return S_FALSE;
}
STDMETHODIMP PageGuard::FilterDataObject(IDataObject*, IDataObject** replacement) {
    if (replacement != nullptr) {
        *replacement = nullptr;
    }
    return S_FALSE;
}

STDMETHODIMP PageGuard::QueryService(REFGUID service, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (service == downloadManagerId && riid == downloadManagerId) {
        *object = static_cast<IDownloadManager*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP PageGuard::Download(IMoniker*, IBindCtx*, DWORD, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR,
                                 UINT) {
    // Handled by doing nothing: a failure here would hand the download to the control's own
    // dialog.
    return S_OK;
}

STDMETHODIMP PageGuard::GetTypeInfoCount(UINT* count) {
    if (count != nullptr) {
        *count = 0;
    }
    return S_OK;
}
STDMETHODIMP PageGuard::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}
STDMETHODIMP PageGuard::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP PageGuard::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                               EXCEPINFO*, UINT*) {
    if (parameters == nullptr) {
        return S_OK;
    }
    // No exception may cross a COM method.
    try {
        onEvent(id, *parameters);
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}

void PageGuard::onEvent(DISPID id, DISPPARAMS& parameters) {
    switch (id) {
        case DISPID_NEWWINDOW3:
            // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl): the window never opens.
            Cancel(Argument(parameters, 1));
            if (onNewWindow) {
                onNewWindow(Text(Argument(parameters, 4)));
            }
            break;
        case DISPID_NEWWINDOW2:
            // (ppDisp, Cancel), from controls that do not say where the window would go.
            Cancel(Argument(parameters, 1));
            break;
        case DISPID_BEFORENAVIGATE2:
            // (pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel)
            if (rules_ != nullptr &&
                !allows(Argument(parameters, 0), Text(Argument(parameters, 1)))) {
                Cancel(Argument(parameters, 6));
            }
            break;
        case DISPID_NAVIGATECOMPLETE2:
            // (pDisp, URL): where the page ended up, should a redirect have gone unannounced.
            if (isFrameInside(Argument(parameters, 0))) {
                break;
            }
            if (onTopFrameArrived) {
                onTopFrameArrived();
            }
            if (rules_ != nullptr &&
                !allows(Argument(parameters, 0), Text(Argument(parameters, 1))) && onRefusedPage) {
                onRefusedPage();
            }
            if (frameOf(Argument(parameters, 0)) == Frame::top && onPageCompleted) {
                onPageCompleted();
            }
            break;
        case DISPID_NAVIGATEERROR:
            // (pDisp, URL, TargetFrameName, StatusCode, Cancel)
            if (frameOf(Argument(parameters, 0)) == Frame::top && onPageFailed &&
                onPageFailed(Text(Argument(parameters, 1)), Status(Argument(parameters, 3)))) {
                Cancel(Argument(parameters, 4));
            }
            break;
        case DISPID_FILEDOWNLOAD:
            // (ActiveDocument, Cancel): a file that is not a page to show is never saved.
            if (VARIANT* document = Argument(parameters, 0); document != nullptr &&
                                                             document->vt == VT_BOOL &&
                                                             document->boolVal == VARIANT_FALSE) {
                Cancel(Argument(parameters, 1));
            }
            break;
        default:
            break;
    }
}

PageGuard::Frame PageGuard::frameOf(VARIANT* frame) const {
    if (frame == nullptr || frame->vt != VT_DISPATCH || frame->pdispVal == nullptr ||
        topFrame_ == nullptr) {
        return Frame::unknown;
    }
    Microsoft::WRL::ComPtr<IUnknown> identity;
    if (FAILED(frame->pdispVal->QueryInterface(IID_PPV_ARGS(identity.GetAddressOf())))) {
        return Frame::unknown;
    }
    return identity.Get() == topFrame_ ? Frame::top : Frame::inside;
}

bool PageGuard::isFrameInside(VARIANT* frame) const {
    // What is not known to be a frame is held to the page's stricter rules.
    return frameOf(frame) == Frame::inside;
}

bool PageGuard::allows(VARIANT* frame, const std::wstring& address) const {
    // A check that cannot finish refuses: the exception barrier of Invoke would let it through.
    try {
        // As the control reports it: text that is not UTF-16 is refused, never guessed at.
        const std::optional<std::string> utf8 = win32::WideToUtf8Strictly(address);
        if (!utf8) {
            return false;
        }
        return isFrameInside(frame) ? rules_->allowsFrameNavigation(*utf8)
                                    : rules_->allowsNavigation(*utf8);
    } catch (...) {
        return false;
    }
}

}  // namespace tal::kiosk_ui
