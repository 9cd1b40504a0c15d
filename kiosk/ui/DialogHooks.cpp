#include "kiosk/ui/DialogHooks.h"

#include <string>

#include "win32/OwnDialogScope.h"
#include "win32/TextConversion.h"

namespace tal::kiosk_ui {

namespace {

// Hook procedures get no context of their own: the one guard of the process.
ProcessWindowGuard* activeGuard = nullptr;

std::string ClassName(HWND window) {
    wchar_t name[257] = {};
    const int length = ::GetClassNameW(window, name, 256);
    return win32::WideToUtf8(std::wstring_view(name, length > 0 ? length : 0));
}

}  // namespace

DialogHooks::DialogHooks(ProcessWindowGuard& guard) : guard_(guard) {
    activeGuard = &guard_;
    creation_.reset(::SetWindowsHookExW(WH_CBT, &OnCreation, nullptr, ::GetCurrentThreadId()));
    // EVENT_OBJECT_CREATE too: Wine reports no EVENT_OBJECT_SHOW.
    events_.reset(::SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, &OnWindowEvent,
                                    ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT));
}

DialogHooks::~DialogHooks() {
    creation_.reset();
    events_.reset();
    activeGuard = nullptr;
}

LRESULT CALLBACK DialogHooks::OnCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND || activeGuard == nullptr) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // No exception may cross a hook procedure.
    try {
        const CREATESTRUCTW& created = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if ((created.style & WS_CHILD) == 0 && created.hwndParent != HWND_MESSAGE) {
            auto* window = reinterpret_cast<HWND>(wParam);
            const std::wstring title =
                created.lpszName != nullptr && !IS_INTRESOURCE(created.lpszName)
                    ? std::wstring(created.lpszName)
                    : std::wstring();
            // The window's text is set after this hook: the title is the one it is created with.
            if (activeGuard->refuses(reinterpret_cast<platform::WindowHandle>(window),
                                     ClassName(window), win32::WideToUtf8(title),
                                     [window] { return win32::OwnDialogScope::claim(window); })) {
                return 1;
            }
        }
    } catch (...) {
        // Out of memory: the window is judged again when the window-event hook reports it.
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogHooks::OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                         LONG child, DWORD, DWORD) {
    if (event == EVENT_OBJECT_DESTROY || object != OBJID_WINDOW || child != CHILDID_SELF ||
        activeGuard == nullptr || ::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow()) {
        return;
    }
    try {
        const std::string className = ClassName(window);
        if (className.empty()) {
            return;  // gone already
        }
        // Not GetWindowText, which would wait for a window of a thread that may hang.
        wchar_t title[256] = {};
        const int length = ::InternalGetWindowText(window, title, 256);
        if (activeGuard->refuses(
                reinterpret_cast<platform::WindowHandle>(window), className,
                win32::WideToUtf8(std::wstring_view(title, length > 0 ? length : 0)),
                [window] { return win32::OwnDialogScope::isOwn(window); })) {
            // Off the screen at once; the dialog's own loop ends it as its Cancel would.
            ::ShowWindowAsync(window, SW_HIDE);
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        }
    } catch (...) {
        // Out of memory: the window stays, as with no guard.
    }
}

}  // namespace tal::kiosk_ui
