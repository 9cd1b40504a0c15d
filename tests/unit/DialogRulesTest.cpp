// What the kiosk refuses of the system's dialogs: the window classes, the log of refusals, and
// its answers to the browser control's requests.
#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "common/Flags.h"
#include "common/SettingsFile.h"
#include "kiosk/PagePrompts.h"
#include "kiosk/PageRules.h"
#include "kiosk/ProcessWindowGuard.h"
#include "kiosk/WindowClassRules.h"
#include "tests/fakes/FakeAnsiText.h"
#include "tests/fakes/FakeCalendar.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeLogStorage.h"
#include "tests/fakes/FakeProfileFile.h"

namespace tal {
namespace {

const std::string line = "2026-12-07T14:03:22+09:00 TAL ";

TEST(WindowClassRulesTest, DialogsGoWhatPagesAndTypingNeedStays) {
    using enum WindowVerdict;
    for (const auto& [className, verdict] :
         {std::pair{"#32770", refuse}, std::pair{"internet explorer_tridentdlgframe", refuse},
          std::pair{"IME", allow}, std::pair{"MSCTFIME UI", allow}, std::pair{"ComboLBox", allow},
          std::pair{"#32768", allow}, std::pair{"TAL.Kiosk", allow}, std::pair{"#3277", unknown}}) {
        EXPECT_EQ(JudgeWindowClass(className), verdict) << className;
    }
    std::set<std::string> seen;
    for (const WindowClassRule& rule : WindowClassRules()) {
        EXPECT_FALSE(rule.reason.empty()) << rule.className;
        EXPECT_TRUE(seen.insert(LowerCase(rule.className)).second) << rule.className << " twice";
    }
}

class DialogRulesTest : public testing::Test {
protected:
    fakes::CallLog calls;
    fakes::FakeProfileFile profile{calls};
    fakes::FakeLogStorage storage;
    fakes::FakeCalendar calendar;
    fakes::FakeClock clock;
    EventLog eventLog{storage, calendar, "TAL"};
    RefusalLog refusals{eventLog, clock};
    ProcessWindowGuard guard{refusals};
    PagePrompts prompts{refusals};
    fakes::Latin1AnsiText ansiText;
    int ownQuestions = 0;

    bool appears(platform::WindowHandle window, const char* className, bool own = false) {
        return guard.refuses(window, className, "開く", [&] { return ++ownQuestions, own; });
    }
    std::string log() const { return storage.text("C:\\Kiosk\\TAL.log"); }
    PageRules rules(const char* printing, const char* newWindows) {
        profile.set("C:\\Kiosk\\TAL.ini", "CONFIG", "Printing", printing);
        profile.set("C:\\Kiosk\\TAL.ini", "CONFIG", "NewWindows", newWindows);
        return PageRules(SettingsFile(profile, "C:\\Kiosk\\TAL.ini"), "https://start.example/",
                         ansiText);
    }
};

TEST_F(DialogRulesTest, EachRefusedWindowIsLoggedOnceAndTheKiosksOwnBoxPasses) {
    EXPECT_TRUE(appears(10, "#32770"));
    EXPECT_TRUE(appears(10, "#32770")) << "shown after it was created: still refused";
    EXPECT_FALSE(appears(11, "#32770", true));
    EXPECT_FALSE(appears(12, "IME"));
    EXPECT_FALSE(appears(13, "Notepad++"));
    EXPECT_FALSE(appears(14, "NOTEPAD++"));
    EXPECT_EQ(ownQuestions, 3) << "asked only about refused classes, since the answer claims";
    EXPECT_EQ(log(), line + "refused-window class=#32770 title=開く\r\n" + line +
                         "unknown-window class=Notepad++ title=開く\r\n");
}

TEST_F(DialogRulesTest, AThousandDialogsInALoopLeaveAHundredLinesAMinuteAndTheirCount) {
    for (platform::WindowHandle window = 1; window <= 1000; ++window) {
        EXPECT_TRUE(appears(window, "#32770"));
    }
    clock.now = RefusalLog::minute - 1;
    refusals.flush();
    const std::string firstMinute = log();
    clock.now = RefusalLog::minute;
    refusals.flush();
    refusals.flush();
    appears(2000, "#32770");
    EXPECT_EQ(std::count(firstMinute.begin(), firstMinute.end(), '\n'), 100);
    EXPECT_EQ(log(), firstMinute + line + "refused-unlogged count=900\r\n" + line +
                         "refused-window class=#32770 title=開く\r\n");
}

TEST_F(DialogRulesTest, TheControlsDialogsAreRefusedOrAnsweredWithoutOne) {
    namespace command = host_command;
    using enum CommandAnswer;
    const PageRules off = rules("off", "same");
    const PageRules on = rules("ON", "block");
    for (const auto& [id, printingOff, printingOn] : {
             std::tuple{command::showPrint, refuse, printSilently},
             std::tuple{command::showPageSetup, refuse, refuse},
             std::tuple{command::pageSetup, refuse, refuse},
             std::tuple{command::printPreview, refuse, refuse},
             std::tuple{command::printPreview2, refuse, refuse},
             std::tuple{command::showFind, refuse, refuse},
             std::tuple{command::showScriptError, continueScripts, continueScripts},
             std::tuple{6U, notSupported, notSupported},  // OLECMDID_PRINT, the control's own
         }) {
        prompts.setRules(&off);
        EXPECT_EQ(prompts.command(id), printingOff) << id;
        prompts.setRules(&on);
        EXPECT_EQ(prompts.command(id), printingOn) << id << " with printing";
    }
    // NWMF_USERINITED, and with it NWMF_HTMLDIALOG
    EXPECT_FALSE(prompts.allowsNewWindow(0x2)) << "NewWindows=block";
    prompts.setRules(&off);
    EXPECT_TRUE(prompts.allowsNewWindow(0x2)) << "NewWindows=same";
    EXPECT_FALSE(prompts.allowsNewWindow(0x22));
}

TEST_F(DialogRulesTest,
       APagesBoxKeepsItsButtonsOnlyOneAtATimeAndCertificatesAndPasswordsStopThePage) {
    for (const auto& [requested, shown, declined] : {
             std::tuple{0x30U, 0x30U, 1},     // alert: OK, exclamation
             std::tuple{0x121U, 0x121U, 2},   // confirm: OK/Cancel, question, Cancel the default
             std::tuple{0x4U, 0x4U, 7},       // Yes/No
             std::tuple{0x205002U, 0x2U, 3},  // Abort/Retry/Ignore; help, system modal, service
             std::tuple{0x4000FU, 0x0U, 1},   // no such buttons; topmost
         }) {
        EXPECT_EQ(prompts.openBox(requested), shown) << std::hex << requested;
        EXPECT_EQ(prompts.openBox(requested), std::nullopt) << "another while it is open";
        prompts.boxClosed();
        EXPECT_EQ(PagePrompts::declinedAnswer(shown), declined) << std::hex << shown;
    }
    EXPECT_FALSE(prompts.securityProblem(12045));  // ERROR_INTERNET_INVALID_CA
    EXPECT_TRUE(prompts.securityProblem(redirectToHttps));
    prompts.credentialsRequested();
    EXPECT_EQ(log(),
              line + "certificate-refused problem=12045\r\n" + line + "credentials-refused\r\n");
}

}  // namespace
}  // namespace tal
