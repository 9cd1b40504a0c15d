// The kiosk's lockdown and the settings tool's state reset on registry values that are too short,
// too long or of the wrong type.
#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_tool/ui/ControlIds.h"
#include "tests/e2e/CleanDesktop.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/SettingsToolDriver.h"
#include "tests/support/UserRegistry.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
using test_support::policyKey;
using test_support::StoredValue;
using test_support::toolbarKey;

const std::string lockdownOn =
    "[CONFIG]\r\nStartPage=about:blank\r\nContextMenu=off\r\nToolBar=off\r\n";
const std::string lockdownOff = "[CONFIG]\r\nStartPage=about:blank\r\nContextMenu=on\r\n";

// Bytes that are never 0, so that a cleared byte shows.
Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 1) % 251 + 1);
    }
    return bytes;
}

// `bytes` cut or extended with zeros to `size`, with the toolbar's byte 24 cleared.
StoredValue Layout(Bytes bytes, std::size_t size) {
    bytes.resize(size, 0);
    bytes[24] = 0;
    return {REG_BINARY, bytes};
}

Bytes Text(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

const StoredValue policySet{REG_DWORD, {1, 0, 0, 0}};

struct RegistryState {
    std::string name;
    std::string settings;
    std::optional<StoredValue> layout;
    std::optional<StoredValue> policy;
    std::optional<StoredValue> expectedLayout;
    std::optional<StoredValue> expectedPolicy;
};

void PrintTo(const RegistryState& state, std::ostream* out) {
    *out << state.name;
}

const std::vector<RegistryState> states{
    {"LayoutOfNoBytes", lockdownOn, StoredValue{REG_BINARY, {}}, {}, Layout({}, 564), policySet},
    {"LayoutOfOneByte",
     lockdownOn,
     StoredValue{REG_BINARY, {0xAB}},
     {},
     Layout({0xAB}, 564),
     policySet},
    {"LayoutOf563Bytes",
     lockdownOn,
     StoredValue{REG_BINARY, Pattern(563)},
     {},
     Layout(Pattern(563), 564),
     policySet},
    {"LayoutOf564Bytes",
     lockdownOn,
     StoredValue{REG_BINARY, Pattern(564)},
     {},
     Layout(Pattern(564), 564),
     policySet},
    {"LayoutOf565Bytes",
     lockdownOn,
     StoredValue{REG_BINARY, Pattern(565)},
     {},
     Layout(Pattern(565), 565),
     policySet},
    {"LayoutOf100000Bytes",
     lockdownOn,
     StoredValue{REG_BINARY, Pattern(100000)},
     {},
     Layout(Pattern(100000), 100000),
     policySet},
    {"LayoutAsText",
     lockdownOn,
     StoredValue{REG_SZ, Text("layout")},
     {},
     Layout(Text("layout"), 564),
     policySet},
    {"LayoutAsNumber",
     lockdownOn,
     StoredValue{REG_DWORD, {0x44, 0x33, 0x22, 0x11}},
     {},
     Layout({0x44, 0x33, 0x22, 0x11}, 564),
     policySet},
    {"PolicyAsText", lockdownOn, {}, StoredValue{REG_SZ, Text("0")}, Layout({}, 564), policySet},
    {"PolicyAsBinary",
     lockdownOn,
     {},
     StoredValue{REG_BINARY, Bytes(8, 9)},
     Layout({}, 564),
     policySet},
    // Switched on, the kiosk leaves whatever it finds.
    {"UnaskedValuesStay", lockdownOff, StoredValue{REG_BINARY, {0xAB}},
     StoredValue{REG_SZ, Text("x")}, StoredValue{REG_BINARY, {0xAB}},
     StoredValue{REG_SZ, Text("x")}},
};

void ExpectStored(const std::string& key, const char* name,
                  const std::optional<StoredValue>& expected) {
    const std::optional<StoredValue> stored = test_support::ReadUserValue(key, name);
    ASSERT_EQ(stored.has_value(), expected.has_value()) << name;
    if (expected) {
        EXPECT_EQ(stored->type, expected->type) << name;
        EXPECT_EQ(stored->data.size(), expected->data.size()) << name;
        EXPECT_TRUE(stored->data == expected->data) << name << ": other bytes";
    }
}

class HostileRegistryTest : public testing::TestWithParam<RegistryState> {
protected:
    test_support::CleanDesktop desktop;
};

TEST_P(HostileRegistryTest, TheKioskStartsAndLeavesTheValuesAsItsLockdownSays) {
    const RegistryState& state = GetParam();
    if (state.layout) {
        test_support::WriteUserValue(toolbarKey, "ITBarLayout", state.layout->type,
                                     state.layout->data);
    }
    if (state.policy) {
        test_support::WriteUserValue(policyKey, "NoBrowserContextMenu", state.policy->type,
                                     state.policy->data);
    }
    test_support::KioskDriver kiosk(&state.settings);
    ASSERT_NE(kiosk.waitForMainWindow(10s), nullptr);
    ExpectStored(toolbarKey, "ITBarLayout", state.expectedLayout);
    ExpectStored(policyKey, "NoBrowserContextMenu", state.expectedPolicy);
    EXPECT_TRUE(kiosk.close());
    EXPECT_EQ(kiosk.program().exitCode(), 0U);
}

INSTANTIATE_TEST_SUITE_P(States, HostileRegistryTest, testing::ValuesIn(states),
                         [](const testing::TestParamInfo<RegistryState>& info) {
                             return info.param.name;
                         });

TEST(HostileRegistryResetTest, TheStateResetDeletesValuesOfAnyTypeAndSize) {
    const test_support::CleanDesktop desktop;
    test_support::WriteUserValue(toolbarKey, "ITBarLayout", REG_SZ, Text("layout"));
    test_support::WriteUserValue(policyKey, "NoBrowserContextMenu", REG_BINARY, Pattern(100000));
    const std::string settings = "[CONFIG]\r\nTaskBar=off\r\n";
    test_support::SettingsToolDriver tool(&settings);

    tool.click(settings_dialog::resetButton);
    EXPECT_TRUE(test_support::WaitFor(
        [] {
            return !test_support::ReadUserValue(policyKey, "NoBrowserContextMenu") &&
                   !test_support::ReadUserValue(toolbarKey, "ITBarLayout");
        },
        test_support::programTimeout));
    ::PostMessageW(tool.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(tool.waitForExit());
    EXPECT_EQ(tool.program().exitCode(), 0U);
    EXPECT_EQ(tool.program().settingsText(), settings);
}

}  // namespace
}  // namespace tal
