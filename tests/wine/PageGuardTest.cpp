// The page guard inside the real browser host of a started kiosk, called as the browser control
// calls its host: through the client site the control was given, with the control's arguments.
// Wine's control raises BeforeNavigate2 for IWebBrowser2::Navigate, so navigations are real; it
// has no HTML engine, so new windows, finished navigations, keys and context menus are raised
// here by hand.
#include <ole2.h>
#include <windows.h>
// After <windows.h>, which they need.
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <urlmon.h>
#include <wininet.h>
#include <wrl/client.h>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "kiosk/Kiosk.h"
#include "kiosk/PagePrompts.h"
#include "kiosk/ProcessWindowGuard.h"
#include "kiosk/ui/DialogHooks.h"
#include "kiosk/ui/HostDeclarations.h"
#include "kiosk/ui/MainWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/UserRegistry.h"
#include "tests/wine/KioskServices.h"
#include "win32/UniqueHandle.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using Microsoft::WRL::ComPtr;
using UniqueBstr = win32::UniqueAny<BSTR, &::SysFreeString>;

constexpr wchar_t startPage[] = L"about:blank";
// CGID_MSHTML, the command group the control's HTML engine passes with keys (the import library
// lacks it).
constexpr GUID htmlCommands = {
    0xde4ba900, 0x59ca, 0x11cf, {0x95, 0x92, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

UniqueBstr Bstr(const std::wstring& text) {
    return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

// Keeps the modifiers down in this thread's keyboard state, where GetKeyState reads them.
class HeldKeys {
public:
    HeldKeys(bool control, bool shift) {
        ::GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state{};
        state[VK_CONTROL] = state[VK_LCONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(state.data());
    }
    ~HeldKeys() { ::SetKeyboardState(saved_.data()); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    std::array<BYTE, 256> saved_{};
};

class PageGuardTest : public testing::Test, protected test_support::KioskServices {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override {
        closeKiosk();
        test_support::DeleteUserValue(test_support::policyKey, "NoBrowserContextMenu");
        ::OleUninitialize();
    }

    // A kiosk started as the program starts it, with these lines in its settings file.
    void start(const std::string& lines, const std::string& page = "about:blank") {
        closeKiosk();
        folder.write("TAL.ini", "[CONFIG]\r\nStartPage=" + page + "\r\n" + lines);
        window.emplace(::GetModuleHandleW(nullptr));
        kiosk.emplace(platform(), *window);
        kiosk->start();
        window->applyPageRules(kiosk->pageRules());
        window->browser().prompts().setAnswers(&prompts);
        prompts.setRules(kiosk->pageRules());
    }

    // The main window ends the thread's message loop as it goes; the next case's loops (a page's
    // box) must not see that request.
    void closeKiosk() {
        kiosk.reset();
        window.reset();
        MSG quit{};
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    IWebBrowser2& control() { return *window->browser().control(); }
    std::wstring location() { return window->browser().locationUrl(); }

    // The host as the control reaches it: through the client site it was given.
    template <class Interface>
    ComPtr<Interface> site(REFIID riid) {
        ComPtr<IOleObject> object;
        ComPtr<IOleClientSite> clientSite;
        ComPtr<Interface> asked;
        EXPECT_EQ(control().QueryInterface(IID_PPV_ARGS(object.GetAddressOf())), S_OK);
        EXPECT_EQ(object->GetClientSite(clientSite.GetAddressOf()), S_OK);
        EXPECT_EQ(clientSite->QueryInterface(riid, reinterpret_cast<void**>(asked.GetAddressOf())),
                  S_OK);
        return asked;
    }
    ComPtr<IDocHostUIHandler> uiHandler() { return site<IDocHostUIHandler>(IID_IDocHostUIHandler); }
    ComPtr<IDispatch> eventSink() { return site<IDispatch>(DIID_DWebBrowserEvents2); }
    // A service the host offers the control.
    template <class Interface>
    ComPtr<Interface> service(REFGUID id) {
        ComPtr<Interface> offered;
        EXPECT_EQ(site<IServiceProvider>(IID_IServiceProvider)
                      ->QueryService(id, __uuidof(Interface),
                                     reinterpret_cast<void**>(offered.GetAddressOf())),
                  S_OK);
        return offered;
    }

    RefusalLog refusals{log, clock};
    PagePrompts prompts{refusals};
    std::optional<kiosk_ui::MainWindow> window;
    std::optional<Kiosk> kiosk;
};

// DWebBrowserEvents2::NewWindow3 as the control raises it, the arguments in reverse order; the
// Cancel that the sink leaves.
VARIANT_BOOL RaiseNewWindow3(IDispatch& sink, const std::wstring& address) {
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    const UniqueBstr url = Bstr(address);
    const UniqueBstr context = Bstr(startPage);
    std::array<VARIANTARG, 5> arguments{};
    arguments[4].vt = VT_BYREF | VT_DISPATCH;
    arguments[4].ppdispVal = &newWindow;
    arguments[3].vt = VT_BYREF | VT_BOOL;
    arguments[3].pboolVal = &cancel;
    arguments[2].vt = VT_I4;
    arguments[2].lVal = 0x2;  // NWMF_USERINITED: after a click
    arguments[1].vt = VT_BSTR;
    arguments[1].bstrVal = context.get();
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = url.get();
    DISPPARAMS parameters{arguments.data(), nullptr, 5, 0};
    EXPECT_EQ(sink.Invoke(DISPID_NEWWINDOW3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                          &parameters, nullptr, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(newWindow, nullptr) << "no window object handed back";
    return cancel;
}

// DWebBrowserEvents2::BeforeNavigate2 as the control raises it for `frame`; the Cancel left.
VARIANT_BOOL RaiseBeforeNavigate2(IDispatch& sink, IDispatch* frame, const std::wstring& address) {
    const UniqueBstr url = Bstr(address);
    VARIANT urlValue{};
    urlValue.vt = VT_BSTR;
    urlValue.bstrVal = url.get();
    VARIANT empty{};
    VARIANT_BOOL cancel = VARIANT_FALSE;
    std::array<VARIANTARG, 7> arguments{};
    arguments[6].vt = VT_DISPATCH;
    arguments[6].pdispVal = frame;
    for (const int byVariant : {5, 4, 3, 2, 1}) {
        arguments[byVariant].vt = VT_BYREF | VT_VARIANT;
        arguments[byVariant].pvarVal = byVariant == 5 ? &urlValue : &empty;
    }
    arguments[0].vt = VT_BYREF | VT_BOOL;
    arguments[0].pboolVal = &cancel;
    DISPPARAMS parameters{arguments.data(), nullptr, 7, 0};
    EXPECT_EQ(sink.Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                          &parameters, nullptr, nullptr, nullptr),
              S_OK);
    return cancel;
}

// DWebBrowserEvents2::NavigateComplete2 as the control raises it for `frame`.
void RaiseNavigateComplete2(IDispatch& sink, IDispatch* frame, const std::wstring& address) {
    const UniqueBstr url = Bstr(address);
    VARIANT urlValue{};
    urlValue.vt = VT_BSTR;
    urlValue.bstrVal = url.get();
    std::array<VARIANTARG, 2> arguments{};
    arguments[1].vt = VT_DISPATCH;
    arguments[1].pdispVal = frame;
    arguments[0].vt = VT_BYREF | VT_VARIANT;
    arguments[0].pvarVal = &urlValue;
    DISPPARAMS parameters{arguments.data(), nullptr, 2, 0};
    EXPECT_EQ(sink.Invoke(DISPID_NAVIGATECOMPLETE2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                          &parameters, nullptr, nullptr, nullptr),
              S_OK);
}

TEST_F(PageGuardTest, ANewWindowNeverOpensAndAnAllowedOneShowsInTheKiosksOwnBrowser) {
    const struct {
        const char* name;
        const char* settings;
        const wchar_t* address;
        bool shownInPlace;
    } cases[] = {
        {"same, allowed", "NewWindows=same\r\nAllowedSites=*.example.jp\r\n",
         L"https://www.example.jp/map.html", true},
        {"same, refused", "NewWindows=same\r\nAllowedSites=*.example.jp\r\n",
         L"https://other.example/", false},
        {"block", "NewWindows=block\r\n", L"https://www.example.jp/map.html", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(c.settings);
        ASSERT_EQ(location(), startPage);
        EXPECT_EQ(RaiseNewWindow3(*eventSink().Get(), c.address), VARIANT_TRUE);
        if (c.shownInPlace) {
            EXPECT_TRUE(test_support::WaitFor([&] { return location() == c.address; }, 5s))
                << "the kiosk's browser shows " << location().size() << " characters";
        } else {
            test_support::PumpFor(300ms);
            EXPECT_EQ(location(), startPage);
        }
    }
}

TEST_F(PageGuardTest, TheControlsOwnNavigationsStopAtTheRules) {
    folder.write("start.html", "<p>start</p>");
    folder.write("floor2.html", "<p>floor 2</p>");
    start("AllowedSites=*.example.jp\r\n", folder.file("start.html"));
    const std::string inStartFolder = folder.file("floor2.html");
    const struct {
        std::wstring address;
        bool allowed;
    } cases[] = {
        {L"https://other.example/page.html", false},
        // As the control reports a path, the start folder's rule holds for it.
        {std::wstring(inStartFolder.begin(), inStartFolder.end()), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address.begin(), c.address.end()));
        const std::wstring before = location();
        EXPECT_EQ(window->browser().navigate(c.address), S_OK);
        test_support::PumpFor(300ms);
        if (c.allowed) {
            EXPECT_NE(location(), before);
        } else {
            EXPECT_EQ(location(), before);
        }
    }
}

TEST_F(PageGuardTest, FramesKeepToTheSchemesAndThePageAlsoToTheSites) {
    start("AllowedSites=*.example.jp\r\n");
    ComPtr<IDispatch> top;
    ASSERT_EQ(control().QueryInterface(IID_PPV_ARGS(top.GetAddressOf())), S_OK);
    // A frame of the page is another browser object than the control.
    ComPtr<IDispatch> frame;
    ASSERT_EQ(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(frame.GetAddressOf())),
              S_OK);
    EXPECT_EQ(RaiseBeforeNavigate2(*eventSink().Get(), top.Get(), L"https://other.example/"),
              VARIANT_TRUE);
    EXPECT_EQ(RaiseBeforeNavigate2(*eventSink().Get(), frame.Get(), L"https://other.example/"),
              VARIANT_FALSE);
    EXPECT_EQ(RaiseBeforeNavigate2(*eventSink().Get(), frame.Get(), L"ms-settings:"), VARIANT_TRUE);
}

TEST_F(PageGuardTest, TheAddressIsCheckedInTheUtf16TheControlGives) {
    start("AllowedSites=city.example.jp\r\n");
    ComPtr<IDispatch> top;
    ASSERT_EQ(control().QueryInterface(IID_PPV_ARGS(top.GetAddressOf())), S_OK);
    // Both read "https://city.example.jp?..." once converted to the code page.
    EXPECT_EQ(RaiseBeforeNavigate2(*eventSink().Get(), top.Get(),
                                   L"https://city.example.jp\u1E01.evil.example/"),
              VARIANT_TRUE);
    EXPECT_EQ(RaiseBeforeNavigate2(*eventSink().Get(), top.Get(),
                                   std::wstring(L"https://city.example.jp") + wchar_t(0xD800)),
              VARIANT_TRUE)
        << "an unpaired surrogate";
}

TEST_F(PageGuardTest, APageThatEndedUpWhereTheRulesRefuseGoesBackToTheStartPage) {
    start("AllowedSites=*.example.jp\r\n");
    ComPtr<IDispatch> top;
    ASSERT_EQ(control().QueryInterface(IID_PPV_ARGS(top.GetAddressOf())), S_OK);
    const std::wstring allowed = L"https://www.example.jp/page.html";
    ASSERT_EQ(window->browser().navigate(allowed), S_OK);
    ASSERT_TRUE(test_support::WaitFor([&] { return location() == allowed; }, 5s));

    RaiseNavigateComplete2(*eventSink().Get(), top.Get(), allowed);
    test_support::PumpFor(300ms);
    EXPECT_EQ(location(), allowed);
    // As after a redirect that raised no BeforeNavigate2.
    RaiseNavigateComplete2(*eventSink().Get(), top.Get(), L"https://other.example/");
    EXPECT_TRUE(test_support::WaitFor([&] { return location() == startPage; }, 5s))
        << "the kiosk's browser shows " << location().size() << " characters";
}

TEST_F(PageGuardTest, BrowserShortcutsThatLeaveThePageAreSwallowed) {
    const struct {
        const char* name;
        const char* settings;
        WPARAM key;
        bool control;
        bool shift;
        HRESULT expected;  // S_OK: handled by the host, so the control does nothing
    } cases[] = {
        {"Ctrl+N", "", 'N', true, false, S_OK},
        {"N", "", 'N', false, false, S_FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(c.settings);
        // As GetMessage leaves it for a key going down: repeat count 1 and the scan code.
        MSG message{};
        message.hwnd = ::GetWindow(window->handle(), GW_CHILD);
        message.message = WM_KEYDOWN;
        message.wParam = c.key;
        message.lParam = static_cast<LPARAM>(
            1 | ::MapVirtualKeyW(static_cast<UINT>(c.key), MAPVK_VK_TO_VSC) << 16);
        const HeldKeys held(c.control, c.shift);
        EXPECT_EQ(uiHandler()->TranslateAccelerator(&message, &htmlCommands, 0), c.expected);
    }
}

TEST_F(PageGuardTest, TheContextMenuIsSwallowedOnlyWhenSwitchedOff) {
    for (const auto& [settings, expected] :
         {std::pair{"", S_FALSE}, std::pair{"ContextMenu=off\r\n", S_OK}}) {
        SCOPED_TRACE(settings);
        start(settings);
        POINT point{100, 100};
        ComPtr<IDispatch> element;
        ASSERT_EQ(control().QueryInterface(IID_PPV_ARGS(element.GetAddressOf())), S_OK);
        EXPECT_EQ(
            uiHandler()->ShowContextMenu(CONTEXT_MENU_DEFAULT, &point, &control(), element.Get()),
            expected);
    }
}

TEST_F(PageGuardTest, TheHostAsksForNoBorderNoHelpMenuAndTheEventsOfRedirects) {
    start("");
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof info;
    ASSERT_EQ(uiHandler()->GetHostInfo(&info), S_OK);
    const DWORD wanted = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DISABLE_HELP_MENU |
                         DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION;
    EXPECT_EQ(info.dwFlags & wanted, wanted);
}

TEST_F(PageGuardTest, TheDownloadManagerTakesEveryDownloadAndSavesNothing) {
    start("");
    const auto services = site<IServiceProvider>(IID_IServiceProvider);
    ComPtr<IDownloadManager> downloads;
    ASSERT_EQ(services->QueryService(kiosk_ui::downloadManagerId, kiosk_ui::downloadManagerId,
                                     reinterpret_cast<void**>(downloads.GetAddressOf())),
              S_OK);
    ComPtr<IMoniker> moniker;
    ASSERT_EQ(::CreateURLMonikerEx(nullptr, L"https://www.example.jp/files/setup.exe",
                                   moniker.GetAddressOf(), URL_MK_UNIFORM),
              S_OK);
    ComPtr<IBindCtx> context;
    ASSERT_EQ(::CreateBindCtx(0, context.GetAddressOf()), S_OK);
    BINDINFO info{};
    info.cbSize = sizeof info;
    // S_OK: handled, so the control shows no download dialog of its own.
    EXPECT_EQ(downloads->Download(moniker.Get(), context.Get(), BINDVERB_GET, 0, &info,
                                  L"Content-Type: application/octet-stream\r\n", nullptr, CP_UTF8),
              S_OK);
}

TEST_F(PageGuardTest, TheHostAnswersTheControlsDialogsSoThatNoneOpens) {
    start("");
    const auto commands = site<IOleCommandTarget>(IID_IOleCommandTarget);
    const auto security = service<IHttpSecurity>(IID_IHttpSecurity);
    const auto newWindow = [&](DWORD flags) {
        return service<INewWindowManager>(SID_SNewWindowManager)
            ->EvaluateNewWindow(L"https://www.example.jp/", nullptr, startPage, nullptr, FALSE,
                                flags, 0);
    };
    const GUID* group = &kiosk_ui::docHostCommandGroup;
    VARIANT scripts{};
    HWND owner = window->handle();
    wchar_t given[] = L"x";
    LPWSTR user = given;
    LPWSTR password = given;
    const std::pair<HRESULT, HRESULT> answers[] = {
        // {answer, expected}; S_OK from a command: handled, so the control shows nothing itself
        {commands->Exec(group, OLECMDID_SHOWPRINT, 0, nullptr, nullptr), S_OK},
        {commands->Exec(group, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &scripts), S_OK},
        {commands->Exec(group, 2300, 0, nullptr, nullptr), OLECMDERR_E_NOTSUPPORTED},
        {commands->Exec(&htmlCommands, OLECMDID_SHOWPRINT, 0, nullptr, nullptr),
         OLECMDERR_E_UNKNOWNGROUP},
        {site<IDocHostShowUI>(__uuidof(IDocHostShowUI))
             ->ShowHelp(nullptr, nullptr, 0, 0, {}, nullptr),
         S_OK},
        {newWindow(NWMF_HTMLDIALOG), S_FALSE},
        {newWindow(NWMF_USERINITED), S_OK},
        {security->OnSecurityProblem(ERROR_INTERNET_INVALID_CA), E_ABORT},
        {security->GetWindow(IID_IHttpSecurity, &owner), S_FALSE},
        {service<IAuthenticate>(IID_IAuthenticate)->Authenticate(&owner, &user, &password),
         E_ACCESSDENIED},
    };
    for (std::size_t row = 0; row < std::size(answers); ++row) {
        EXPECT_EQ(answers[row].first, answers[row].second) << "row " << row;
    }
    EXPECT_TRUE(scripts.vt == VT_BOOL && scripts.boolVal == VARIANT_TRUE) << "scripts go on";
    EXPECT_TRUE(owner == nullptr && user == nullptr && password == nullptr);
    const std::string lines = logText();
    EXPECT_NE(lines.find(" TAL certificate-refused problem=12045\r\n"), std::string::npos);
    EXPECT_NE(lines.find(" TAL credentials-refused\r\n"), std::string::npos);
}

// What the box test sees from a timer of the box's own message loop.
struct {
    kiosk_ui::MainWindow* window;
    IDocHostShowUI* showUi;
    HWND owner;
    bool modal;
    LRESULT second;
} seen;

void CALLBACK LookAtTheBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = ::FindWindowW(L"#32770", L"よろしいですか?");
    if (box == nullptr) {
        return;
    }
    if (seen.owner != nullptr) {
        ::EndDialog(box, IDOK);  // still open: the reset did not close it
        return;
    }
    seen.owner = ::GetWindow(box, GW_OWNER);
    seen.modal = seen.window->browserIsModal();
    wchar_t text[] = L"二つ目";
    seen.showUi->ShowMessage(nullptr, text, text, MB_YESNO, nullptr, 0, &seen.second);
    seen.window->leaveBrowserModal();  // as a reset does
}

TEST_F(PageGuardTest, APagesBoxIsTheKiosksOwnOneAtATimeAndAResetClosesIt) {
    start("");
    ProcessWindowGuard guard(refusals);  // which knows the kiosk's own boxes
    const kiosk_ui::DialogHooks hooks(guard);
    const auto showUi = site<IDocHostShowUI>(__uuidof(IDocHostShowUI));
    seen = {&*window, showUi.Get(), nullptr, false, 0};
    bool idle = false;
    window->onBrowserIdle = [&] { idle = true; };
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &LookAtTheBox);
    wchar_t text[] = L"よろしいですか?";
    LRESULT answer = 0;
    EXPECT_EQ(showUi->ShowMessage(nullptr, text, text, MB_OKCANCEL, nullptr, 0, &answer), S_OK);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(seen.owner, window->handle()) << "owned by the main window";
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.second, IDNO) << "a second box is declined at once";
    EXPECT_EQ(answer, IDCANCEL) << "closed by the reset, as by its Cancel";
    EXPECT_TRUE(test_support::WaitFor([&] { return idle; }, 2s)) << "the held reset may run";
    EXPECT_FALSE(window->browserIsModal());
}

}  // namespace
}  // namespace tal
