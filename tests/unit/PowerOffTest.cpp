// The power-off routine against a fake system that never shuts anything down.
#include "kiosk/PowerOff.h"

#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeMessageBoxes.h"
#include "tests/fakes/FakeProcess.h"
#include "tests/fakes/FakeSystemShutdown.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

struct EnvironmentCase {
    const char* name;
    std::vector<std::string> environment;
    bool isNt;
};

class IsNtFamilyTest : public testing::TestWithParam<EnvironmentCase> {};

TEST_P(IsNtFamilyTest, LooksForAVariableNamedOsInAnyCase) {
    fakes::FakeProcess process;
    process.environment = GetParam().environment;
    EXPECT_EQ(power_off::IsNtFamily(process), GetParam().isNt) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, IsNtFamilyTest,
    testing::Values(EnvironmentCase{"OS set", {"PATH=C:\\", "OS=Windows_NT"}, true},
                    EnvironmentCase{"os in lower case", {"os=whatever"}, true},
                    EnvironmentCase{"Os mixed", {"A=1", "B=2", "Os="}, true},
                    EnvironmentCase{"OSTYPE only", {"OSTYPE=msys", "PATH=C:\\"}, false},
                    EnvironmentCase{"empty environment", {}, false},
                    EnvironmentCase{
                        "OS behind an empty entry", {"A=1", "", "OS=Windows_NT"}, false},
                    EnvironmentCase{"value containing OS=", {"X=OS=1"}, false}));

class ShutdownSystemTest : public testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeProcess process;
    fakes::FakeSystemShutdown system{log};
    fakes::FakeMessageBoxes boxes{log};

    std::optional<std::uint32_t> shutDown() {
        return power_off::ShutdownSystem(13, system, process, boxes);
    }
};

TEST_F(ShutdownSystemTest, OnTheNtFamilyTheShutdownPrivilegeIsSwitchedOnFirst) {
    EXPECT_EQ(shutDown(), std::nullopt);
    EXPECT_THAT(log.calls, ElementsAre("ExitWindowsEx 13 SeShutdownPrivilege"));
    EXPECT_THAT(boxes.shown, IsEmpty());
}

TEST_F(ShutdownSystemTest, WithoutTheOsVariableThePrivilegeIsLeftAlone) {
    process.environment = {"OSTYPE=x"};
    EXPECT_EQ(shutDown(), std::nullopt);
    EXPECT_THAT(log.calls, ElementsAre("ExitWindowsEx 13"));
}

TEST_F(ShutdownSystemTest, ARefusalShowsItsCodeOnceAndGivesIt) {
    system.failure = 1314;
    EXPECT_EQ(shutDown(), 1314U);
    EXPECT_THAT(boxes.shown, ElementsAre(fakes::ShownMessageBox{"1314", "TAL", 0}));
}

}  // namespace
}  // namespace tal
