// A day of supervision: 86,400 one-second ticks with screen-saver periods, presses of the
// return-to-start button and foreign windows coming and going at random (with a fixed seed),
// checked tick by tick against a plain model of when the kiosk resets and powers off.
#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

constexpr int ticksPerDay = 24 * 60 * 60;
constexpr int powerOffTick = (18 * 60 + 0) * 60;  // TimeToShutdown=18:00
constexpr int ticksPerHour = 60 * 60;

struct Day {
    std::vector<int> resetTicks;
    std::vector<int> closePassTicks;
    std::vector<int> shutdownTicks;
    // Ticks on which the windows told to go away were not exactly the foreign ones.
    std::vector<int> wrongCloseTicks;
    // Ticks on which a window that stood at start-up was told to go away.
    std::vector<int> startupWindowTicks;
};

class KioskDayTest : public testing::Test, protected fakes::KioskFixture {
protected:
    std::mt19937 random{20240601};
    std::set<platform::WindowHandle> startupWindows;
    std::set<platform::WindowHandle> foreignWindows;

    bool chance(double probability) { return std::bernoulli_distribution(probability)(random); }
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    void SetUp() override {
        setting("StartPage", "http://start.example/");
        setting("TimeToShutdown", "18:00");
        for (const fakes::FakeWindow& w :
             {fakes::FakeWindow{0, "Program Manager", "Progman", true, 10},
              fakes::FakeWindow{0, "", "Shell_TrayWnd", true, 10},
              fakes::FakeWindow{0, "Mail", "Outlook", true, 20},
              fakes::FakeWindow{0, "TAL", "ThunderRT6FormDC", true, process.id}}) {
            startupWindows.insert(desktop.addWindow(w));
        }
        kiosk.start();
    }

    // A program opens a window: mostly visible and titled, now and then one that the guard
    // passes over, sometimes one of the kiosk's own process (a pop-up of the browser).
    void openForeignWindow() {
        static const std::vector<std::string> classes{
            "Notepad", "IEFrame", "CabinetWClass", "ConsoleWindowClass", "tty", "MSPaint"};
        fakes::FakeWindow w;
        w.title = chance(0.9) ? "Window " + std::to_string(between(1, 999)) : "";
        w.className = classes[static_cast<std::size_t>(between(0, 5))];
        w.visible = chance(0.9);
        w.processId = chance(0.2) ? process.id : static_cast<std::uint32_t>(between(100, 999));
        foreignWindows.insert(desktop.addWindow(w));
    }

    void closeForeignWindow(platform::WindowHandle handle) {
        desktop.removeWindow(handle);
        foreignWindows.erase(handle);
    }

    // The foreign windows that a close pass must reach now.
    std::set<platform::WindowHandle> qualifyingForeignWindows() {
        std::set<platform::WindowHandle> qualifying;
        for (const platform::WindowHandle handle : foreignWindows) {
            const fakes::FakeWindow* w = desktop.window(handle);
            if (!w->title.empty() && w->visible) {
                qualifying.insert(handle);
            }
        }
        return qualifying;
    }

    int logged(const std::string& call) const {
        return static_cast<int>(log.startingWith(call).size());
    }
};

TEST_F(KioskDayTest, ResetsOncePerRequestPowersOffInItsMinuteAndKeepsItsStateSize) {
    const std::size_t snapshotSize = kiosk.windowGuard().snapshotSize();
    ASSERT_EQ(snapshotSize, 3U) << "the titled, visible windows at start-up";

    Day day;
    Day expected;
    int screenSaverLeft = 0;
    // The model: a press resets at once; a tick without the screen saver resets when the screen
    // saver ran since the last reset.
    int lastRequest = -1;
    int lastReset = -1;
    std::size_t windowsTold = 0;
    for (int tick = 0; tick < ticksPerDay; ++tick) {
        clock.time = {tick / ticksPerHour, tick / 60 % 60, tick % 60};
        clock.now += 1000;

        if (screenSaverLeft == 0 && chance(1.0 / 1800)) {
            screenSaverLeft = between(30, 900);
        }
        screenSaver.running = screenSaverLeft > 0;
        if (screenSaverLeft > 0) {
            --screenSaverLeft;
            lastRequest = tick;
        }
        // Nobody presses the button behind the screen saver.
        const bool pressed = !screenSaver.running && chance(1.0 / 2000);
        if (chance(1.0 / 600)) {
            openForeignWindow();
        }
        if (!foreignWindows.empty() && chance(1.0 / 900)) {
            closeForeignWindow(*std::next(foreignWindows.begin(),
                                          between(0, static_cast<int>(foreignWindows.size()) - 1)));
        }

        const bool resets = !screenSaver.running && (pressed || lastRequest > lastReset);
        if (resets) {
            lastReset = tick;
            expected.resetTicks.push_back(tick);
            expected.closePassTicks.push_back(tick);
        }
        if (tick >= powerOffTick && tick < powerOffTick + 60) {
            expected.shutdownTicks.push_back(tick);
        }

        const std::set<platform::WindowHandle> toClose = qualifyingForeignWindows();
        const int navigations = view.navigations;
        const int closePasses = logged("EnumWindows");
        const int shutdowns = logged("ExitWindowsEx");
        desktop.clearPosted();
        if (pressed) {
            kiosk.reset(ResetTrigger::button);
        }
        kiosk.tick();

        for (int i = view.navigations - navigations; i > 0; --i) {
            day.resetTicks.push_back(tick);
        }
        for (int i = logged("EnumWindows") - closePasses; i > 0; --i) {
            day.closePassTicks.push_back(tick);
        }
        for (int i = logged("ExitWindowsEx") - shutdowns; i > 0; --i) {
            day.shutdownTicks.push_back(tick);
        }
        std::set<platform::WindowHandle> told;
        for (const fakes::PostedMessage& message : desktop.posted()) {
            if (startupWindows.contains(message.window)) {
                day.startupWindowTicks.push_back(tick);
            }
            told.insert(message.window);
        }
        const bool rightWindows =
            resets ? told == toClose && desktop.posted().size() == toClose.size() : told.empty();
        if (!rightWindows) {
            day.wrongCloseTicks.push_back(tick);
        }
        windowsTold += told.size();
        // Most programs obey; one window in four stays and is told again at the next reset.
        for (const platform::WindowHandle handle : told) {
            if (foreignWindows.contains(handle) && chance(0.75)) {
                closeForeignWindow(handle);
            }
        }

        if (tick % ticksPerHour == ticksPerHour - 1) {
            log.calls.clear();
            EXPECT_EQ(kiosk.windowGuard().snapshotSize(), snapshotSize) << "tick " << tick;
        }
    }

    EXPECT_GT(expected.resetTicks.size(), 50U) << "the day exercised the reset";
    EXPECT_GT(windowsTold, 50U) << "and the resets found windows to close";
    EXPECT_EQ(day.resetTicks, expected.resetTicks);
    EXPECT_EQ(day.closePassTicks, expected.closePassTicks);
    EXPECT_EQ(day.shutdownTicks, expected.shutdownTicks);
    EXPECT_EQ(day.wrongCloseTicks, std::vector<int>{});
    EXPECT_EQ(day.startupWindowTicks, std::vector<int>{});
    EXPECT_EQ(view.navigatedTo, "http://start.example/");
    EXPECT_TRUE(messageBoxes.shown.empty());
}

}  // namespace
}  // namespace tal
