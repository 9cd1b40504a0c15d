#include "kiosk/ui/BrowserHost.h"

#include <cstdint>
#include <string_view>

#include "win32/Failure.h"
#include "win32/UniqueHandle.h"

namespace tal::kiosk_ui {

namespace {

using UniqueBstr = win32::UniqueAny<BSTR, &::SysFreeString>;

}  // namespace

BrowserHost::BrowserHost()
    : guard_(*static_cast<IOleClientSite*>(this)),
      prompts_(*static_cast<IOleClientSite*>(this), guard_) {
    guard_.onEnableModeless = [this](bool enable) { setModal(documentHeld_, !enable); };
    prompts_.onBox = [this](bool open) { setModal(boxOpen_, open); };
    guard_.onTopFrameArrived = [this] {
        if (!firstZoom_) {
            firstZoom_ = zoom();
        }
    };
}

BrowserHost::~BrowserHost() {
    destroy();
}

void BrowserHost::create(HWND parent) {
    parent_ = parent;
    prompts_.setOwner(parent);
    ::GetClientRect(parent, &rect_);
    const auto check = [this](HRESULT result, std::string_view whatFailed) {
        if (FAILED(result)) {
            destroy();
            throw win32::Failure(whatFailed, static_cast<std::uint32_t>(result));
        }
    };
    check(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                             IID_PPV_ARGS(object_.GetAddressOf())),
          "ブラウザーを作成できませんでした。");
    check(object_->SetClientSite(static_cast<IOleClientSite*>(this)),
          "ブラウザーを組み込めませんでした。");
    ::OleSetContainedObject(object_.Get(), TRUE);
    check(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0,
                          parent, &rect_),
          "ブラウザーを表示できませんでした。");
    check(object_.As(&browser_), "ブラウザーを操作できませんでした。");
    check(object_.As(&inPlace_), "ブラウザーを操作できませんでした。");
    check(object_.As(&identity_), "ブラウザーを操作できませんでした。");
    guard_.setTopFrame(identity_.Get());
    listenToEvents();
}

void BrowserHost::listenToEvents() {
    // Without its events no navigation of any frame would be checked and every new window would
    // open: whatever the settings, the kiosk does not run so.
    Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
    HRESULT result = object_.As(&container);
    if (SUCCEEDED(result)) {
        result = container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.GetAddressOf());
    }
    if (SUCCEEDED(result)) {
        result = events_->Advise(static_cast<IDispatch*>(&guard_), &eventCookie_);
    }
    if (FAILED(result)) {
        events_.Reset();
        destroy();
        throw win32::Failure("ブラウザーのイベントを受け取れませんでした。",
                             static_cast<std::uint32_t>(result));
    }
}

void BrowserHost::destroy() {
    if (events_) {
        events_->Unadvise(eventCookie_);
        events_.Reset();
    }
    guard_.setTopFrame(nullptr);
    identity_.Reset();
    activeObject_.Reset();
    if (inPlace_) {
        inPlace_->InPlaceDeactivate();
        inPlace_.Reset();
    }
    browser_.Reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    // The next control starts outside any modal call.
    frameHeld_ = false;
    documentHeld_ = false;
}

void BrowserHost::setModal(bool& state, bool modal) {
    const bool wasModal = isModal();
    state = modal;
    if (wasModal && !isModal() && onModalEnd) {
        onModalEnd();
    }
}

void BrowserHost::printSilently() {
    if (browser_) {
        prompts_.print(*browser_.Get());
    }
}

void BrowserHost::setRect(const RECT& rect) {
    rect_ = rect;
    if (inPlace_) {
        inPlace_->SetObjectRects(&rect_, &rect_);
    }
}

HRESULT BrowserHost::navigate(const std::wstring& url) {
    if (!browser_) {
        return E_UNEXPECTED;
    }
    const UniqueBstr address(::SysAllocStringLen(url.data(), static_cast<UINT>(url.size())));
    VARIANT none;
    ::VariantInit(&none);
    return browser_->Navigate(address.get(), &none, &none, &none, &none);
}

std::wstring BrowserHost::locationUrl() const {
    if (!browser_) {
        return {};
    }
    UniqueBstr address;
    if (FAILED(browser_->get_LocationURL(address.put())) || !address) {
        return {};
    }
    return std::wstring(address.get(), ::SysStringLen(address.get()));
}

std::optional<LONG> BrowserHost::zoom() const {
    VARIANT zoom;
    ::VariantInit(&zoom);
    if (!browser_ || FAILED(browser_->ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER,
                                             nullptr, &zoom))) {
        return std::nullopt;
    }
    if (zoom.vt != VT_I4) {
        ::VariantClear(&zoom);
        return std::nullopt;
    }
    return zoom.lVal;
}

void BrowserHost::restoreFirstZoom() {
    const std::optional<LONG> current = zoom();
    if (!firstZoom_ || !current || *current == *firstZoom_) {
        return;
    }
    VARIANT first;
    ::VariantInit(&first);
    first.vt = VT_I4;
    first.lVal = *firstZoom_;
    browser_->ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &first, nullptr);
}

bool BrowserHost::translateAccelerator(MSG& message) {
    return activeObject_ && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
           activeObject_->TranslateAccelerator(&message) == S_OK;
}

STDMETHODIMP BrowserHost::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (riid == IID_IOleControlSite) {
        *object = static_cast<IOleControlSite*>(this);
    } else if (riid == IID_IDocHostUIHandler) {
        *object = static_cast<IDocHostUIHandler*>(&guard_);
    } else if (riid == IID_IServiceProvider) {
        *object = static_cast<IServiceProvider*>(&prompts_);
    } else if (riid == IID_IOleCommandTarget) {
        *object = static_cast<IOleCommandTarget*>(&prompts_);
    } else if (riid == __uuidof(IDocHostShowUI)) {
        *object = static_cast<IDocHostShowUI*>(&prompts_);
    } else if (riid == IID_INewWindowManager) {
        *object = static_cast<INewWindowManager*>(&prompts_);
    } else if (riid == IID_IHttpSecurity || riid == IID_IWindowForBindingUI) {
        *object = static_cast<IHttpSecurity*>(&prompts_);
    } else if (riid == IID_IAuthenticate) {
        *object = static_cast<IAuthenticate*>(&prompts_);
    } else if (riid == downloadManagerId) {
        *object = static_cast<IDownloadManager*>(&guard_);
    } else if (riid == DIID_DWebBrowserEvents2) {
        // Only under the events' own name: the control asks its site for IDispatch for ambient
        // properties, which the guard does not answer.
        *object = static_cast<IDispatch*>(&guard_);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserHost::AddRef() {
    return ++references_;
}
STDMETHODIMP_(ULONG) BrowserHost::Release() {
    return references_ > 0 ? --references_ : 0;
}

STDMETHODIMP BrowserHost::SaveObject() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    *moniker = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::GetContainer(IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP BrowserHost::ShowObject() {
    return S_OK;
}
STDMETHODIMP BrowserHost::OnShowWindow(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserHost::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserHost::GetWindow(HWND* window) {
    *window = parent_;
    return S_OK;
}
STDMETHODIMP BrowserHost::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserHost::CanInPlaceActivate() {
    return S_OK;
}
STDMETHODIMP BrowserHost::OnInPlaceActivate() {
    return S_OK;
}
STDMETHODIMP BrowserHost::OnUIActivate() {
    return S_OK;
}
STDMETHODIMP BrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO frameInfo) {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = rect_;
    *clip = rect_;
    frameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = parent_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}
STDMETHODIMP BrowserHost::Scroll(SIZE) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::OnUIDeactivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserHost::OnInPlaceDeactivate() {
    return S_OK;
}
STDMETHODIMP BrowserHost::DiscardUndoState() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::DeactivateAndUndo() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::OnPosRectChange(LPCRECT) {
    return S_OK;
}

STDMETHODIMP BrowserHost::GetBorder(LPRECT) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP BrowserHost::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP BrowserHost::SetBorderSpace(LPCBORDERWIDTHS) {
    return S_OK;
}
STDMETHODIMP BrowserHost::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    activeObject_ = object;
    return S_OK;
}
STDMETHODIMP BrowserHost::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return S_OK;
}
STDMETHODIMP BrowserHost::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}
STDMETHODIMP BrowserHost::RemoveMenus(HMENU) {
    return S_OK;
}
STDMETHODIMP BrowserHost::SetStatusText(LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP BrowserHost::EnableModeless(BOOL enable) {
    // No exception may cross a COM method.
    try {
        setModal(frameHeld_, enable == FALSE);
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}
STDMETHODIMP BrowserHost::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}

STDMETHODIMP BrowserHost::OnControlInfoChanged() {
    return S_OK;
}
STDMETHODIMP BrowserHost::LockInPlaceActive(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserHost::GetExtendedControl(IDispatch** control) {
    *control = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::TransformCoords(POINTL*, POINTF*, DWORD) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserHost::TranslateAccelerator(MSG*, DWORD) {
    return S_FALSE;
}
STDMETHODIMP BrowserHost::OnFocus(BOOL gotFocus) {
    // No exception may cross a COM method.
    try {
        if (gotFocus && onFocus) {
            onFocus();
        }
    } catch (...) {
        return E_FAIL;
    }
    return S_OK;
}
STDMETHODIMP BrowserHost::ShowPropertyFrame() {
    return E_NOTIMPL;
}

}  // namespace tal::kiosk_ui
