#pragma once

#include <windows.h>
// After <windows.h>, which they need.
#include <downloadmgr.h>
#include <mshtmhst.h>
#include <servprov.h>

#include <cstdint>
#include <functional>
#include <string>

namespace tal {
class PageRules;
}

namespace tal::kiosk_ui {

// IDownloadManager's interface identifier, which is also the service the control asks its host
// for (the import library lacks it).
inline constexpr GUID downloadManagerId = {
    0x988934a4, 0x064b, 0x11d3, {0xbb, 0x80, 0x00, 0x10, 0x4b, 0x35, 0xe7, 0xf9}};

// The part of the browser host that refuses a page's ways out of the kiosk: it answers the
// control's questions to its host (context menu, keyboard shortcuts, host flags), its request
// for a download manager, and its events (new windows, navigations, downloads). It lives inside
// the host and shares the host's identity: every IUnknown call goes to `outer`.
class PageGuard final : public IDocHostUIHandler,
                        public IServiceProvider,
                        public IDownloadManager,
                        public IDispatch {
public:
    explicit PageGuard(IUnknown& outer) : outer_(outer) {}
    PageGuard(const PageGuard&) = delete;
    PageGuard& operator=(const PageGuard&) = delete;

    // The kiosk's rules; until they are known, nothing is refused.
    void setRules(const PageRules* rules) { rules_ = rules; }
    // The control, whose own navigations are held to the allowed sites; those of its frames only
    // to the schemes.
    void setTopFrame(IUnknown* control) { topFrame_ = control; }
    // Runs with the address of a new window that the kiosk's own control should show instead.
    std::function<void(const std::wstring& address)> onNewWindow;
    // Runs inside the control's call when the page ended up at an address the rules refuse.
    std::function<void()> onRefusedPage;
    // Runs inside the control's call when a navigation of the page itself failed, with its address
    // and NavigateError's status; true cancels the control's error page.
    std::function<bool(const std::wstring& address, std::uint32_t status)> onPageFailed;
    // Runs inside the control's call when a navigation of the page itself completed.
    std::function<void()> onPageCompleted;

    // Runs when the control asks to hold (false) or let go (true) the host's modeless windows.
    std::function<void(bool enable)> onEnableModeless;
    // Runs inside the control's call when its top frame has arrived at a page.
    std::function<void()> onTopFrameArrived;

    // IUnknown, delegated to the host.
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDocHostUIHandler
    STDMETHODIMP ShowContextMenu(DWORD id, POINT* point, IUnknown* commandTarget,
                                 IDispatch* object) override;
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
    STDMETHODIMP ShowUI(DWORD id, IOleInPlaceActiveObject* activeObject,
                        IOleCommandTarget* commandTarget, IOleInPlaceFrame* frame,
                        IOleInPlaceUIWindow* document) override;
    STDMETHODIMP HideUI() override;
    STDMETHODIMP UpdateUI() override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, const GUID* group, DWORD command) override;
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
    STDMETHODIMP GetDropTarget(IDropTarget* target, IDropTarget** replacement) override;
    STDMETHODIMP GetExternal(IDispatch** external) override;
    STDMETHODIMP TranslateUrl(DWORD translate, LPWSTR address, LPWSTR* translated) override;
    STDMETHODIMP FilterDataObject(IDataObject* data, IDataObject** replacement) override;

    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID riid, void** object) override;

    // IDownloadManager: every download is refused, so that no download dialog appears.
    STDMETHODIMP Download(IMoniker* moniker, IBindCtx* context, DWORD verb, LONG flags,
                          BINDINFO* info, LPCOLESTR headers, LPCOLESTR redirect,
                          UINT codePage) override;

    // IDispatch, as the control's event sink (DWebBrowserEvents2).
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    void onEvent(DISPID id, DISPPARAMS& parameters);
    // The frame an event names: the control itself (its page), a frame inside its page, or one
    // that cannot be told.
    enum class Frame { unknown, top, inside };
    Frame frameOf(VARIANT* frame) const;
    bool isFrameInside(VARIANT* frame) const;
    bool allows(VARIANT* frame, const std::wstring& address) const;

    IUnknown& outer_;
    const PageRules* rules_ = nullptr;
    IUnknown* topFrame_ = nullptr;
};

}  // namespace tal::kiosk_ui
