// The keys a visitor could leave the kiosk with: browser shortcuts, system keys and the
// accessibility hotkeys.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/SettingsFile.h"
#include "kiosk/AccessibilityHotkeys.h"
#include "kiosk/KeyLock.h"
#include "kiosk/PageRules.h"
#include "tests/fakes/FakeAccessibilityFeatures.h"
#include "tests/fakes/FakeAnsiText.h"
#include "tests/fakes/FakeCalendar.h"
#include "tests/fakes/FakeKeyboardState.h"
#include "tests/fakes/FakeLogStorage.h"
#include "tests/fakes/FakeProfileFile.h"

namespace tal {
namespace {

namespace vk = virtual_key;

struct ShortcutCase {
    const char* name;
    KeyStroke stroke;
    bool blocked;
    bool blockedWithPrinting;
};

class ShortcutTest : public testing::TestWithParam<ShortcutCase> {
protected:
    fakes::CallLog log;
    fakes::FakeProfileFile profile{log};
    fakes::Latin1AnsiText ansiText;

    PageRules rules(const char* printing) {
        profile.set("C:\\Kiosk\\TAL.ini", "CONFIG", "Printing", printing);
        return PageRules(SettingsFile(profile, "C:\\Kiosk\\TAL.ini"), "https://start.example/",
                         ansiText);
    }
};

TEST_P(ShortcutTest, SwallowsTheWaysOutAndLeavesTyping) {
    EXPECT_EQ(rules("off").blocksShortcut(GetParam().stroke), GetParam().blocked)
        << GetParam().name;
    EXPECT_EQ(rules("ON").blocksShortcut(GetParam().stroke), GetParam().blockedWithPrinting)
        << GetParam().name << " with printing";
}

KeyStroke Ctrl(std::uint32_t key, bool shift = false) {
    return {key, true, shift, false};
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutTest,
    testing::Values(
        ShortcutCase{"Ctrl+N", Ctrl('N'), true, true},
        ShortcutCase{"Ctrl+O", Ctrl('O'), true, true},
        ShortcutCase{"Ctrl+L", Ctrl('L'), true, true},
        ShortcutCase{"Ctrl+S", Ctrl('S'), true, true},
        ShortcutCase{"Ctrl+P", Ctrl('P'), true, false},
        ShortcutCase{"Ctrl+Shift+P", Ctrl('P', true), true, true},
        ShortcutCase{"Ctrl+H", Ctrl('H'), true, true},
        ShortcutCase{"Ctrl+I", Ctrl('I'), true, true},
        ShortcutCase{"Ctrl+J", Ctrl('J'), true, true},
        ShortcutCase{"Ctrl+E", Ctrl('E'), true, true}, ShortcutCase{"F11", {vk::f11}, true, true},
        ShortcutCase{"F1", {vk::f1}, true, true}, ShortcutCase{"Ctrl+C", Ctrl('C'), false, false},
        ShortcutCase{"Ctrl+V", Ctrl('V'), false, false},
        ShortcutCase{"N typed", {'N'}, false, false},
        ShortcutCase{"Shift+N typed", {'N', false, true, false}, false, false},
        ShortcutCase{"AltGr (Ctrl+Alt) with E", {'E', true, false, true}, false, false},
        ShortcutCase{"Tab", {vk::tab}, false, false},
        ShortcutCase{"Backspace", {0x08}, false, false},
        ShortcutCase{"Enter", {0x0D}, false, false}, ShortcutCase{"arrow", {0x25}, false, false}));

struct Stroke {
    std::uint32_t key;
    bool down;
    // False for a stroke that reached the system but not the hook (on the secure desktop).
    bool seen = true;
    // Milliseconds.
    std::uint32_t at = 0;
};

struct KeyLockCase {
    const char* name;
    std::vector<Stroke> strokes;
    // Which of the seen strokes are swallowed, in order.
    std::vector<bool> swallowed;
};

class KeyLockTest : public testing::TestWithParam<KeyLockCase> {};

TEST_P(KeyLockTest, TracksEachModifierKeyAndSwallowsPressAndRelease) {
    fakes::FakeKeyboardState keyboard;
    KeyLock lock(keyboard, keyboard.kioskProcess, {});
    std::vector<bool> swallowed;
    for (const Stroke& stroke : GetParam().strokes) {
        if (stroke.seen) {
            // The system's Alt flag is never set, as for injected strokes.
            swallowed.push_back(lock.stroke(stroke.key, stroke.down, false, stroke.at) !=
                                KeyLock::Action::pass);
        }
        // A swallowed key never reaches the system.
        if (stroke.down && (!stroke.seen || !swallowed.back())) {
            keyboard.down.insert(stroke.key);
        } else if (!stroke.down) {
            keyboard.down.erase(stroke.key);
        }
    }
    EXPECT_EQ(swallowed, GetParam().swallowed) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, KeyLockTest,
    testing::Values(
        KeyLockCase{
            "Windows key", {{vk::leftWindows, true}, {vk::leftWindows, false}}, {true, true}},
        KeyLockCase{"Applications key", {{vk::applications, true}}, {true}},
        KeyLockCase{"Alt+Tab",
                    {{vk::leftAlt, true}, {vk::tab, true}, {vk::tab, false}, {vk::leftAlt, false}},
                    {false, true, true, false}},
        KeyLockCase{"Alt+Shift+Tab",
                    {{vk::leftAlt, true}, {vk::leftShift, true}, {vk::tab, true}},
                    {false, false, true}},
        KeyLockCase{"Alt+Esc", {{vk::rightAlt, true}, {vk::escape, true}}, {false, true}},
        KeyLockCase{"Ctrl+Esc", {{vk::leftControl, true}, {vk::escape, true}}, {false, true}},
        KeyLockCase{"Ctrl+Shift+Esc",
                    {{vk::control, true}, {vk::shift, true}, {vk::escape, true}},
                    {false, false, true}},
        KeyLockCase{"Alt+F4", {{vk::alt, true}, {vk::f4, true}}, {false, true}},
        KeyLockCase{"Ctrl on both sides, the left let go, then Esc",
                    {{vk::leftControl, true},
                     {vk::rightControl, true},
                     {vk::leftControl, false},
                     {vk::escape, true}},
                    {false, false, false, true}},
        KeyLockCase{"generic Ctrl with the left key's release, then Esc",
                    {{vk::control, true},
                     {vk::rightControl, true},
                     {vk::rightControl, false},
                     {vk::escape, true}},
                    {false, false, false, true}},
        KeyLockCase{"Alt released on the secure desktop, then Tab and F4 type",
                    {{vk::rightAlt, true},
                     {vk::rightAlt, false, false},
                     {vk::tab, true, true, 5000},
                     {vk::tab, false, true, 5010},
                     {vk::f4, true, true, 5020}},
                    {false, false, false, false}},
        KeyLockCase{"Alt held through a quiet while, then Tab",
                    {{vk::leftAlt, true}, {vk::tab, true, true, 3000}},
                    {false, true}},
        KeyLockCase{"Ctrl+F10, the input method's menu",
                    {{vk::rightControl, true}, {vk::f10, true}, {vk::f10, false}},
                    {false, true, true}},
        KeyLockCase{"F10 alone", {{vk::f10, true}, {vk::f10, false}}, {false, false}},
        KeyLockCase{"mail, home page, file explorer, back and sleep keys",
                    {{vk::launchMail, true},
                     {vk::launchMail, false},
                     {vk::browserHome, true},
                     {vk::launchApp1, true},
                     {vk::firstBrowser, true},
                     {vk::sleep, true}},
                    {true, true, true, true, true, true}},
        KeyLockCase{"Tab after Alt was released",
                    {{vk::leftAlt, true}, {vk::leftAlt, false}, {vk::tab, true}},
                    {false, false, false}},
        KeyLockCase{"Esc and F4 alone", {{vk::escape, true}, {vk::f4, true}}, {false, false}},
        KeyLockCase{"typing", {{'A', true}, {'A', false}}, {false, false}}));

TEST(KeyLockTest, KeysPassWhileTheKioskIsNotInFrontAndTheSystemsAltFlagCounts) {
    fakes::FakeKeyboardState keyboard;
    KeyLock lock(keyboard, keyboard.kioskProcess, {});
    using enum KeyLock::Action;
    keyboard.foregroundProcess = 77;
    EXPECT_EQ(lock.stroke(vk::leftWindows, true, false, 0), pass);
    EXPECT_EQ(lock.stroke(vk::leftWindows, false, false, 0), pass);
    EXPECT_EQ(lock.stroke(vk::launchApp1, true, false, 0), pass);
    keyboard.foregroundProcess = keyboard.kioskProcess;
    EXPECT_EQ(lock.stroke(vk::tab, true, true, 0), swallow) << "Alt held before the kiosk started";
}

struct ChordCase {
    const char* name;
    KeyLock::Rules rules;
    std::vector<Stroke> strokes;
    // The action for each stroke: p(ass), s(wallow) or o(pen the operator menu).
    std::string actions;
    bool kioskInFront = true;
};

class OperatorChordTest : public testing::TestWithParam<ChordCase> {};

TEST_P(OperatorChordTest, CtrlAltShiftF12OpensTheMenuOnceWhenAPinIsSet) {
    fakes::FakeKeyboardState keyboard;
    if (!GetParam().kioskInFront) {
        keyboard.foregroundProcess = 77;
    }
    KeyLock lock(keyboard, keyboard.kioskProcess, GetParam().rules);
    std::string actions;
    for (const Stroke& stroke : GetParam().strokes) {
        switch (lock.stroke(stroke.key, stroke.down, false, stroke.at)) {
            case KeyLock::Action::pass:
                actions += 'p';
                break;
            case KeyLock::Action::swallow:
                actions += 's';
                break;
            case KeyLock::Action::openOperatorMenu:
                actions += 'o';
                break;
        }
    }
    EXPECT_EQ(actions, GetParam().actions) << GetParam().name;
}

const std::vector<Stroke> chord{{vk::leftControl, true}, {vk::rightAlt, true},
                                {vk::leftShift, true},   {vk::f12, true},
                                {vk::f12, true},         {vk::f12, false}};

INSTANTIATE_TEST_SUITE_P(
    Chords, OperatorChordTest,
    testing::Values(
        ChordCase{"with the lock off; F12 repeats", {false, true}, chord, "ppposs"},
        ChordCase{"with the lock on", {true, true}, chord, "ppposs"},
        ChordCase{"whatever is in front", {false, true}, chord, "ppposs", false},
        ChordCase{"without a PIN", {true, false}, chord, "pppppp"},
        ChordCase{"without Shift",
                  {false, true},
                  {{vk::control, true}, {vk::alt, true}, {vk::f12, true}},
                  "ppp"},
        ChordCase{
            "Shift let go on the secure desktop",
            {false, true},
            {{vk::control, true}, {vk::alt, true}, {vk::shift, true}, {vk::f12, true, true, 5000}},
            "pppp"}));

using platform::AccessibilityFeature;
constexpr std::uint32_t available = 0x2;
constexpr std::uint32_t hotkey = platform::accessibility_flag::hotkeyActive;
constexpr std::uint32_t confirm = platform::accessibility_flag::confirmHotkey;

struct HotkeyCase {
    const char* name;
    std::uint32_t flags;
    // The step that fails for every feature, and is logged for each: "read", "switch-off",
    // "restore", or none.
    std::string failing;
    std::uint32_t whileLocked;
    std::uint32_t afterwards;
};

class AccessibilityHotkeysTest : public testing::TestWithParam<HotkeyCase> {};

TEST_P(AccessibilityHotkeysTest, AreOffForTheSessionOnlyWhileTheKioskRuns) {
    const HotkeyCase& c = GetParam();
    const AccessibilityFeature all[] = {
        AccessibilityFeature::stickyKeys, AccessibilityFeature::filterKeys,
        AccessibilityFeature::toggleKeys, AccessibilityFeature::highContrast,
        AccessibilityFeature::mouseKeys};
    fakes::FakeAccessibilityFeatures system;
    fakes::FakeLogStorage storage;
    fakes::FakeCalendar calendar;
    EventLog log(storage, calendar, "TAL");
    for (const AccessibilityFeature feature : all) {
        system.stored[feature] = c.flags;
    }
    system.readFails = c.failing == "read";
    {
        AccessibilityHotkeys hotkeys(system, log);
        system.writeFails = c.failing == "switch-off";
        hotkeys.switchOff();
        for (const AccessibilityFeature feature : all) {
            EXPECT_EQ(system.stored[feature], c.whileLocked) << c.name;
        }
        system.writeFails = c.failing == "restore";
    }
    for (const AccessibilityFeature feature : all) {
        EXPECT_EQ(system.stored[feature], c.afterwards) << c.name;
    }
    const std::string logged = storage.text("C:\\Kiosk\\TAL.log");
    EXPECT_EQ(logged.find(" hotkey-failed feature=MouseKeys step=" + c.failing + " error=1439") !=
                  std::string::npos,
              !c.failing.empty())
        << c.name << ": " << logged;
}

INSTANTIATE_TEST_SUITE_P(
    Features, AccessibilityHotkeysTest,
    testing::Values(HotkeyCase{"hotkey with confirmation", available | hotkey | confirm, "",
                               available, available | hotkey | confirm},
                    HotkeyCase{"the feature is on", platform::accessibility_flag::on | hotkey, "",
                               platform::accessibility_flag::on | hotkey,
                               platform::accessibility_flag::on | hotkey},
                    HotkeyCase{"no hotkey", available, "", available, available},
                    HotkeyCase{"unreadable", available | hotkey, "read", available | hotkey,
                               available | hotkey},
                    HotkeyCase{"refused, as by Wine", hotkey, "switch-off", hotkey, hotkey},
                    HotkeyCase{"not put back", hotkey, "restore", 0, 0}));

}  // namespace
}  // namespace tal
