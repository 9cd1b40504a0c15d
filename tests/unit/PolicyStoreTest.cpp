// Group Policy over the settings file: which value wins, and which registry types count.
#include "common/PolicyStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/SettingsFile.h"
#include "tests/fakes/FakeProfileFile.h"
#include "tests/fakes/FakeRegistry.h"

namespace tal {
namespace {

const std::string machineKey = "HKLM\\SOFTWARE\\Policies\\TAL";
const std::string userKey = "SOFTWARE\\Policies\\TAL";
const std::string path = "C:\\Kiosk\\TAL.ini";

platform::RegistryValue Text(const std::string& text, std::uint32_t type = 1) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return {type, bytes};
}

platform::RegistryValue Dword(std::uint32_t number) {
    return {platform::registry_type::dword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

struct PrecedenceCase {
    const char* name;
    Setting setting;
    std::optional<platform::RegistryValue> machine;
    std::optional<platform::RegistryValue> user;
    std::optional<std::string> file;
    std::string expected;
};

class PolicyPrecedenceTest : public testing::TestWithParam<PrecedenceCase> {
protected:
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    fakes::FakeProfileFile profile{log};
};

TEST_P(PolicyPrecedenceTest, MachineThenUserThenFileThenDefault) {
    const PrecedenceCase& c = GetParam();
    const std::string name(c.setting.key);
    if (c.machine) {
        registry.setValueDirectly(machineKey, name, *c.machine);
    }
    if (c.user) {
        registry.setValueDirectly(userKey, name, *c.user);
    }
    if (c.file) {
        profile.set(path, "CONFIG", name, *c.file);
    }
    {
        const PolicyStore policies(registry);
        const SettingsFile settings(profile, path, &policies);
        EXPECT_EQ(settings.ReadSetting(c.setting.key, c.setting.kioskDefault), c.expected)
            << c.name;
    }
    EXPECT_EQ(registry.openKeys(), 0) << "the store closes its keys";
}

const std::string longText(100 * 1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Sources, PolicyPrecedenceTest,
    testing::Values(
        PrecedenceCase{"machine wins", settings::StartPage, Text("http://m/"), Text("http://u/"),
                       "http://f/", "http://m/"},
        PrecedenceCase{"user over file", settings::StartPage, std::nullopt, Text("http://u/"),
                       "http://f/", "http://u/"},
        PrecedenceCase{"file without policy", settings::StartPage, std::nullopt, std::nullopt,
                       "http://f/", "http://f/"},
        PrecedenceCase{"default", settings::StartPage, std::nullopt, std::nullopt, std::nullopt,
                       "https://www.wikipedia.org/"},
        PrecedenceCase{"empty policy text is a value", settings::StartPage, Text(""), std::nullopt,
                       "http://f/", ""},
        PrecedenceCase{"expandable text as it stands", settings::StartPage,
                       Text("%HOMEDRIVE%\\start.html", 2), std::nullopt, "http://f/",
                       "%HOMEDRIVE%\\start.html"},
        PrecedenceCase{"100 KB of text", settings::AllowedSites, Text(longText), std::nullopt,
                       std::nullopt, longText},
        PrecedenceCase{"flag as 0", settings::TaskBar, Dword(0), std::nullopt, "on", "off"},
        PrecedenceCase{"flag as 1", settings::TaskBar, std::nullopt, Dword(1), "off", "on"},
        PrecedenceCase{"flag as 2 makes no sense", settings::TaskBar, Dword(2), std::nullopt, "off",
                       "off"},
        PrecedenceCase{"seconds as a number", settings::IdleReset, Dword(180), std::nullopt, "60",
                       "180"},
        PrecedenceCase{"a number for text makes no sense", settings::StartPage, Dword(7),
                       Text("http://u/"), std::nullopt, "http://u/"},
        PrecedenceCase{"binary is ignored", settings::StartPage,
                       platform::RegistryValue{3, {'h', 't'}}, std::nullopt, "http://f/",
                       "http://f/"},
        PrecedenceCase{"multi-string is ignored", settings::StartPage, Text("a\0b", 7),
                       std::nullopt, "http://f/", "http://f/"},
        PrecedenceCase{"the button's position is never a policy", settings::InitButtonX,
                       Text("999"), Text("999"), "15", "15"}));

TEST(PolicyStoreTest, AKeyThatCannotBeOpenedLeavesTheFile) {
    fakes::CallLog log;
    fakes::FakeRegistry registry{log};
    fakes::FakeProfileFile profile{log};
    registry.setValueDirectly(userKey, "StartPage", Text("http://u/"));
    registry.setValueDirectly(machineKey, "StartPage", Text("http://m/"));
    registry.fail("RegOpenKeyEx");
    registry.fail("RegOpenKey");
    profile.set(path, "CONFIG", "StartPage", "http://f/");
    const PolicyStore policies(registry);
    EXPECT_EQ(SettingsFile(profile, path, &policies).ReadSetting("StartPage", ""), "http://f/");
}

}  // namespace
}  // namespace tal
