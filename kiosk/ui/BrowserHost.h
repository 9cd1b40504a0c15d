#pragma once

#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>
#include <wrl/client.h>

#include "kiosk/ui/HostPrompts.h"
#include "kiosk/ui/PageGuard.h"

#include <functional>
#include <optional>
#include <string>

namespace tal::kiosk_ui {

// A minimal OLE container for the system's web-browser control inside one window. It lives as
// long as the window and is not deleted through Release.
class BrowserHost final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IOleControlSite {
public:
    BrowserHost();
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // Creates the control in `parent` and activates it in place. Throws a win32::Failure naming the
    // step that failed and its HRESULT.
    void create(HWND parent);
    // Deactivates, closes and releases the control, while `parent` still exists.
    void destroy();

    void setRect(const RECT& rect);
    HRESULT navigate(const std::wstring& url);
    // The address the control shows or is going to.
    std::wstring locationUrl() const;
    // The control itself, while it exists.
    IWebBrowser2* control() const { return browser_.Get(); }
    // Hands keystrokes to the control; true when it used them.
    bool translateAccelerator(MSG& message);
    // Sets the zoom (OLECMDID_OPTICAL_ZOOM) the visitor may have changed with Ctrl and the wheel,
    // Ctrl and plus or minus, or two fingers back to the one the control's first page showed
    // with. A control hands the zoom set on it on to the pages and controls that come after it,
    // so this is done on the control that goes, before it goes. Nothing happens before a first
    // page was shown, nor with a control that cannot tell its zoom.
    void restoreFirstZoom();

    // Runs when the control receives the input focus.
    std::function<void()> onFocus;
    // What refuses the page's ways out of the kiosk; it outlives every control this host holds.
    PageGuard& guard() { return guard_; }
    // What answers the control before it would show a dialog; it outlives every control too.
    HostPrompts& prompts() { return prompts_; }
    // Sends the page to the default printer without a dialog; not from inside a call of the
    // control.
    void printSilently();
    // Whether the control is inside a modal call of its own: a page's box is open, or it has asked
    // its host, as frame or as document host, to hold modeless windows.
    bool isModal() const { return frameHeld_ || documentHeld_ || boxOpen_; }
    // Runs whenever the control leaves that state.
    std::function<void()> onModalEnd;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow (of both the site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO frameInfo) override;
    STDMETHODIMP Scroll(SIZE extent) override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
    STDMETHODIMP InsertMenus(HMENU menu, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHODIMP SetMenu(HMENU menu, HOLEMENU olemenu, HWND activeObject) override;
    STDMETHODIMP RemoveMenus(HMENU menu) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, WORD id) override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override;
    STDMETHODIMP LockInPlaceActive(BOOL lock) override;
    STDMETHODIMP GetExtendedControl(IDispatch** control) override;
    STDMETHODIMP TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
    STDMETHODIMP TranslateAccelerator(MSG* message, DWORD modifiers) override;
    STDMETHODIMP OnFocus(BOOL gotFocus) override;
    STDMETHODIMP ShowPropertyFrame() override;

private:
    void listenToEvents();
    // Sets one of the states that make the control modal.
    void setModal(bool& state, bool modal);
    std::optional<LONG> zoom() const;

    // The zoom of the first page a control of this host showed.
    std::optional<LONG> firstZoom_;

    PageGuard guard_;
    HostPrompts prompts_;
    bool frameHeld_ = false;
    bool documentHeld_ = false;
    bool boxOpen_ = false;
    DWORD eventCookie_ = 0;
    Microsoft::WRL::ComPtr<IConnectionPoint> events_;
    Microsoft::WRL::ComPtr<IUnknown> identity_;
    HWND parent_ = nullptr;
    RECT rect_{};
    ULONG references_ = 0;
    Microsoft::WRL::ComPtr<IOleObject> object_;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace_;
    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
    Microsoft::WRL::ComPtr<IOleInPlaceActiveObject> activeObject_;
};

}  // namespace tal::kiosk_ui
