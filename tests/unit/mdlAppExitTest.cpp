// The window guard over a fake desktop.
#include "kiosk/mdlAppExit.h"

#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeDesktop.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::uint32_t kioskProcess = 100;
constexpr std::uint32_t otherProcess = 200;
constexpr std::uint32_t close = platform::window_message::close;
constexpr std::uint32_t quit = platform::window_message::quit;

class WindowGuardTest : public testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeDesktop desktop{log};
    mdlAppExit guard{desktop, kioskProcess};
};

TEST_F(WindowGuardTest, TheClassListHasTheFiveClassesInOrder) {
    guard.TakeWindowSnapshot();
    EXPECT_THAT(guard.CloseClassNames, ElementsAre("IEFrame", "CabinetWClass", "ExploreWClass",
                                                   "ConsoleWindowClass", "tty"));
}

struct WindowCase {
    const char* name;
    fakes::FakeWindow window;
    // The message it receives at a reset, or none.
    std::optional<std::uint32_t> message;
};

class CloseFilterTest : public WindowGuardTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(CloseFilterTest, DecidesByTitleVisibilitySnapshotClassAndProcess) {
    guard.TakeWindowSnapshot();
    const platform::WindowHandle handle = desktop.addWindow(GetParam().window);
    guard.CloseForeignWindows();
    if (GetParam().message) {
        EXPECT_THAT(desktop.posted(),
                    ElementsAre(fakes::PostedMessage{handle, *GetParam().message}))
            << GetParam().name;
    } else {
        EXPECT_THAT(desktop.posted(), IsEmpty()) << GetParam().name;
    }
}

fakes::FakeWindow Window(const char* title, std::string className, bool visible = true,
                         std::uint32_t process = otherProcess) {
    return {0, title, std::move(className), visible, process};
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CloseFilterTest,
    testing::Values(
        WindowCase{"own title TAL", Window("TAL", "IEFrame"), std::nullopt},
        WindowCase{"own title Varnolt", Window("Varnolt", "Notepad"), std::nullopt},
        WindowCase{"own title Form2", Window("Form2", "Notepad"), std::nullopt},
        WindowCase{"own title msime98toolbar", Window("msime98toolbar", "x"), std::nullopt},
        WindowCase{"own title in other case", Window("varnolt", "Notepad"), quit},
        WindowCase{"own title with a trailing blank", Window("TAL ", "Notepad"), quit},
        WindowCase{"untitled", Window("", "IEFrame"), std::nullopt},
        WindowCase{"one-character title", Window("A", "Notepad"), quit},
        WindowCase{"invisible", Window("Hidden", "IEFrame", false), std::nullopt},
        WindowCase{"browser frame", Window("Page", "IEFrame"), close},
        WindowCase{"folder", Window("C:\\", "CabinetWClass"), close},
        WindowCase{"explorer", Window("C:\\", "ExploreWClass"), close},
        WindowCase{"console", Window("cmd", "ConsoleWindowClass"), close},
        WindowCase{"tty", Window("shell", "tty"), close},
        WindowCase{"unlisted class", Window("Untitled - Editor", "Notepad"), quit},
        WindowCase{"class in other case", Window("Page", "ieframe"), quit},
        WindowCase{"class with a suffix", Window("Page", "IEFrame2"), quit},
        WindowCase{"class of 30 characters", Window("Long", std::string(30, 'c')), quit},
        WindowCase{"listed class padded past 29 characters",
                   Window("Long", "CabinetWClass" + std::string(20, ' ')), quit},
        WindowCase{"kiosk's own dialog",
                   Window("Message from webpage", "#32770", true, kioskProcess), close},
        WindowCase{"kiosk's own hidden dialog", Window("Dialog", "#32770", false, kioskProcess),
                   std::nullopt}));

TEST_F(WindowGuardTest, WindowsOfTheSnapshotStayWhateverTheirTitleBecomes) {
    const auto browser = desktop.addWindow(Window("Start", "IEFrame"));
    const auto hidden = desktop.addWindow(Window("Later", "Notepad", false));
    const auto untitled = desktop.addWindow(Window("", "Notepad"));
    guard.TakeWindowSnapshot();
    EXPECT_EQ(guard.StartupWindowCount, 1U);
    EXPECT_THAT(guard.StartupWindows, ElementsAre(browser));

    desktop.window(browser)->title = "Another page";
    desktop.window(hidden)->visible = true;
    desktop.window(untitled)->title = "Now titled";
    guard.CloseForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{hidden, quit},
                                              fakes::PostedMessage{untitled, quit}));
}

TEST_F(WindowGuardTest, EveryResetPostsAgainToWindowsThatStayed) {
    guard.TakeWindowSnapshot();
    const auto stubborn = desktop.addWindow(Window("Stays", "IEFrame"));
    guard.CloseForeignWindows();
    guard.CloseForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{stubborn, close},
                                              fakes::PostedMessage{stubborn, close}));
}

TEST_F(WindowGuardTest, AnEmptySnapshotProtectsNothingButTheOwnTitles) {
    guard.TakeWindowSnapshot();
    EXPECT_THAT(guard.StartupWindows, IsEmpty());
    const auto own = desktop.addWindow(Window("Varnolt", "TAL.Form1", true, kioskProcess));
    const auto editor = desktop.addWindow(Window("Editor", "Notepad"));
    guard.CloseForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{editor, quit}));
    EXPECT_NE(own, editor);
}

TEST_F(WindowGuardTest, AWindowClosingBetweenThePassesLeavesAnEmptySlot) {
    const auto first = desktop.addWindow(Window("First", "Notepad"));
    const auto closing = desktop.addWindow(Window("Closing", "Notepad"));
    const auto last = desktop.addWindow(Window("Last", "Notepad"));
    desktop.beforeEnumeration = [&](int pass) {
        if (pass == 1) {
            desktop.removeWindow(closing);
        }
    };
    guard.TakeWindowSnapshot();
    EXPECT_EQ(guard.StartupWindowCount, 3U);
    EXPECT_THAT(guard.StartupWindows, ElementsAre(first, last, 0U));
    EXPECT_EQ(guard.StartupWindowIndex, 2U);
}

TEST_F(WindowGuardTest, AWindowAppearingBetweenThePassesStaysOutOfTheSnapshot) {
    const auto first = desktop.addWindow(Window("First", "Notepad"));
    const auto second = desktop.addWindow(Window("Second", "Notepad"));
    platform::WindowHandle late = 0;
    desktop.beforeEnumeration = [&](int pass) {
        if (pass == 1) {
            late = desktop.addWindowOnTop(Window("Late", "Notepad"));
        }
    };
    guard.TakeWindowSnapshot();
    EXPECT_THAT(guard.StartupWindows, ElementsAre(late, first)) << "never written past its end";

    desktop.beforeEnumeration = nullptr;
    guard.CloseForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{second, quit}));
}

}  // namespace
}  // namespace tal
