// The window guard over a fake desktop.
#include "kiosk/WindowGuard.h"

#include <optional>
#include <string>
#include <vector>

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
    WindowGuard guard{desktop, kioskProcess};
};

struct WindowCase {
    const char* name;
    fakes::FakeWindow window;
    // The message it receives at a reset, or none.
    std::optional<std::uint32_t> message;
};

class CloseFilterTest : public WindowGuardTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(CloseFilterTest, DecidesByTitleVisibilitySnapshotClassAndProcess) {
    guard.takeSnapshot();
    const platform::WindowHandle handle = desktop.addWindow(GetParam().window);
    guard.closeForeignWindows();
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
    guard.takeSnapshot();
    EXPECT_EQ(guard.snapshotSize(), 1U);

    desktop.window(browser)->title = "Another page";
    desktop.window(hidden)->visible = true;
    desktop.window(untitled)->title = "Now titled";
    guard.closeForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{hidden, quit},
                                              fakes::PostedMessage{untitled, quit}));
}

class KeptSnapshot : public platform::SessionSnapshot {
public:
    std::optional<std::vector<platform::WindowHandle>> windows;
    std::optional<std::vector<platform::WindowHandle>> published() override { return windows; }
    bool publish(const std::vector<platform::WindowHandle>& taken) override {
        const bool first = !windows;
        windows = windows.value_or(taken);
        return first;
    }
};

TEST_F(WindowGuardTest, AKioskStartedAgainKeepsTheSnapshotOfTheSessionsFirstKiosk) {
    KeptSnapshot kept;
    const auto before = desktop.addWindow(Window("Before", "Notepad"));
    WindowGuard first(desktop, kioskProcess, &kept);
    first.takeSnapshot();
    EXPECT_EQ(kept.windows, std::vector<platform::WindowHandle>{before});

    // The visitor opens a window, and the kiosk crashes and is started again.
    const auto leftOver = desktop.addWindow(Window("Left over", "Notepad"));
    WindowGuard next(desktop, kioskProcess + 1, &kept);
    next.takeSnapshot();
    next.closeForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{leftOver, quit}));
}

TEST_F(WindowGuardTest, EveryResetPostsAgainToWindowsThatStayed) {
    guard.takeSnapshot();
    const auto stubborn = desktop.addWindow(Window("Stays", "IEFrame"));
    guard.closeForeignWindows();
    guard.closeForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{stubborn, close},
                                              fakes::PostedMessage{stubborn, close}));
}

TEST_F(WindowGuardTest, AnEmptySnapshotProtectsNothingButTheOwnTitles) {
    guard.takeSnapshot();
    EXPECT_EQ(guard.snapshotSize(), 0U);
    const auto own = desktop.addWindow(Window("Varnolt", "TAL.Kiosk", true, kioskProcess));
    const auto editor = desktop.addWindow(Window("Editor", "Notepad"));
    guard.closeForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{editor, quit}));
    EXPECT_NE(own, editor);
}

TEST_F(WindowGuardTest, AWindowClosingBetweenThePassesLeavesTheOthersRecorded) {
    const auto first = desktop.addWindow(Window("First", "Notepad"));
    const auto closing = desktop.addWindow(Window("Closing", "Notepad"));
    const auto last = desktop.addWindow(Window("Last", "Notepad"));
    desktop.beforeEnumeration = [&](int pass) {
        if (pass == 1) {
            desktop.removeWindow(closing);
        }
    };
    guard.takeSnapshot();
    EXPECT_EQ(guard.snapshotSize(), 2U);

    desktop.beforeEnumeration = nullptr;
    EXPECT_EQ(guard.closeForeignWindows(), 0U);
    EXPECT_THAT(desktop.posted(), IsEmpty()) << first << " and " << last << " are recorded";
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
    guard.takeSnapshot();
    EXPECT_EQ(guard.snapshotSize(), 2U) << "never more than the counting pass found";

    desktop.beforeEnumeration = nullptr;
    guard.closeForeignWindows();
    EXPECT_THAT(desktop.posted(), ElementsAre(fakes::PostedMessage{second, quit}))
        << late << " and " << first << " are recorded";
}

}  // namespace
}  // namespace tal
