// The keys a visitor could leave the kiosk with: browser shortcuts and system keys.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/SettingsFile.h"
#include "kiosk/KeyLock.h"
#include "kiosk/PageRules.h"
#include "tests/fakes/FakeAnsiText.h"
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
};

struct KeyLockCase {
    const char* name;
    std::vector<Stroke> strokes;
    // Which strokes are swallowed, in order.
    std::vector<bool> swallowed;
};

class KeyLockTest : public testing::TestWithParam<KeyLockCase> {};

TEST_P(KeyLockTest, TracksModifiersItselfAndSwallowsPressAndRelease) {
    KeyLock lock;
    std::vector<bool> swallowed;
    for (const Stroke& stroke : GetParam().strokes) {
        // The system's Alt flag is never set, as for injected strokes.
        swallowed.push_back(lock.swallow(stroke.key, stroke.down, false, true));
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
        KeyLockCase{"Tab after Alt was released",
                    {{vk::leftAlt, true}, {vk::leftAlt, false}, {vk::tab, true}},
                    {false, false, false}},
        KeyLockCase{"Esc and F4 alone", {{vk::escape, true}, {vk::f4, true}}, {false, false}},
        KeyLockCase{"typing", {{'A', true}, {'A', false}}, {false, false}}));

TEST(KeyLockTest, KeysPassWhileTheKioskIsNotInFrontAndTheSystemsAltFlagCounts) {
    KeyLock lock;
    EXPECT_FALSE(lock.swallow(vk::leftWindows, true, false, false));
    EXPECT_FALSE(lock.swallow(vk::leftWindows, false, false, false));
    EXPECT_TRUE(lock.swallow(vk::tab, true, true, true)) << "Alt held before the kiosk started";
}

}  // namespace
}  // namespace tal
