// The desktop lockdown and the browser mode, against an in-memory registry.
#include "kiosk/Lockdown.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "common/SettingsFile.h"
#include "kiosk/BrowserMode.h"

#include "tests/fakes/FakeProcess.h"
#include "tests/fakes/FakeProfileFile.h"
#include "tests/fakes/FakeRegistry.h"

namespace tal {
namespace {

const std::string toolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const std::string policyKey = "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";

std::vector<std::uint8_t> Counting(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
    }
    return bytes;
}

struct LayoutCase {
    const char* name;
    // The stored value before; nothing for a missing one.
    std::optional<std::vector<std::uint8_t>> before;
    std::vector<std::uint8_t> after;
};

std::vector<std::uint8_t> Cleared(std::vector<std::uint8_t> bytes) {
    bytes[24] = 0;
    return bytes;
}

std::vector<std::uint8_t> Extended(std::vector<std::uint8_t> bytes) {
    bytes.resize(564, 0);
    return bytes;
}

class HideBrowserToolbarTest : public testing::TestWithParam<LayoutCase> {
protected:
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
};

TEST_P(HideBrowserToolbarTest, ClearsTheVisibilityByteAndKeepsTheRest) {
    if (GetParam().before) {
        registry.setValueDirectly(toolbarKey, "ITBarLayout",
                                  {platform::registry_type::binary, *GetParam().before});
    }
    HideBrowserToolbar(registry);
    const auto after = registry.value(toolbarKey, "ITBarLayout");
    ASSERT_TRUE(after.has_value()) << GetParam().name;
    EXPECT_EQ(after->type, platform::registry_type::binary) << GetParam().name;
    EXPECT_EQ(after->data, GetParam().after) << GetParam().name;
    EXPECT_EQ(registry.openKeys(), 0);

    HideBrowserToolbar(registry);
    EXPECT_EQ(registry.value(toolbarKey, "ITBarLayout")->data, GetParam().after)
        << GetParam().name << ": a second run changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, HideBrowserToolbarTest,
    testing::Values(
        LayoutCase{"missing", std::nullopt, std::vector<std::uint8_t>(564, 0)},
        LayoutCase{"564 bytes", Counting(564), Cleared(Counting(564))},
        LayoutCase{"empty", std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(564, 0)},
        LayoutCase{"1 byte", Counting(1), Extended(Counting(1))},
        LayoutCase{"563 bytes", Counting(563), Cleared(Extended(Counting(563)))},
        LayoutCase{"565 bytes keep their length", Counting(565), Cleared(Counting(565))},
        LayoutCase{"100,000 bytes", Counting(100000), Cleared(Counting(100000))}));

TEST(HideBrowserToolbarCallsTest, ReadsClosesThenCreatesAndWrites) {
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    registry.setValueDirectly(toolbarKey, "ITBarLayout", {3, Counting(600)});
    HideBrowserToolbar(registry);
    EXPECT_EQ(log.calls, (std::vector<std::string>{
                             "RegOpenKey " + toolbarKey, "RegQueryValueEx ITBarLayout",
                             "RegCloseKey " + toolbarKey, "RegCreateKey " + toolbarKey,
                             "RegSetValueEx ITBarLayout 3 600", "RegCloseKey " + toolbarKey}));
}

TEST(HideBrowserToolbarCallsTest, AnUnreadableValueIsWrittenAsZeros) {
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    registry.setValueDirectly(toolbarKey, "ITBarLayout", {3, Counting(564)});
    registry.fail("RegQueryValueEx");
    HideBrowserToolbar(registry);
    EXPECT_EQ(registry.value(toolbarKey, "ITBarLayout")->data, std::vector<std::uint8_t>(564, 0));
}

TEST(HideBrowserToolbarCallsTest, AFailedCreateWritesNothing) {
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    registry.fail("RegCreateKey");
    HideBrowserToolbar(registry);
    EXPECT_FALSE(registry.value(toolbarKey, "ITBarLayout").has_value());
    EXPECT_TRUE(log.startingWith("RegSetValueEx").empty());
}

TEST(DisableBrowserContextMenuTest, CreatesThePolicyKeyAndWritesDwordOne) {
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    DisableBrowserContextMenu(registry);
    EXPECT_EQ(registry.value(policyKey, "NoBrowserContextMenu"),
              (platform::RegistryValue{platform::registry_type::dword, {1, 0, 0, 0}}));
    EXPECT_EQ(registry.openKeys(), 0);
}

struct BrowserModeCase {
    const char* value;  // nullptr: no key
    bool modern;
};

class BrowserModeTest : public testing::TestWithParam<BrowserModeCase> {};

TEST_P(BrowserModeTest, OnlyLegacyKeepsTheOldRendering) {
    fakes::CallLog log;
    fakes::FakeProfileFile profile{log};
    fakes::FakeRegistry registry{log};
    fakes::FakeProcess process;
    process.fileName = "kiosk-2.exe";
    if (GetParam().value != nullptr) {
        profile.set("C:\\Kiosk\\TAL.ini", "CONFIG", "BrowserMode", GetParam().value);
    }
    EXPECT_EQ(PrepareBrowserMode(SettingsFile(profile, "C:\\Kiosk\\TAL.ini"), registry, process),
              GetParam().modern);
    const auto emulation = registry.value(
        "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION",
        "kiosk-2.exe");
    EXPECT_EQ(emulation.has_value(), GetParam().modern)
        << (GetParam().value ? GetParam().value : "none");
}

INSTANTIATE_TEST_SUITE_P(Values, BrowserModeTest,
                         testing::Values(BrowserModeCase{nullptr, true},
                                         BrowserModeCase{"edge", true}, BrowserModeCase{"", true},
                                         BrowserModeCase{"fast", true},
                                         BrowserModeCase{"legacy", false},
                                         BrowserModeCase{"LEGACY", false}));

}  // namespace
}  // namespace tal
