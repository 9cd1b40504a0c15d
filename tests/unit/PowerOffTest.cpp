// The power-off routine against a fake system that never shuts anything down.
#include "kiosk/PowerOff.h"

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

// The routine's calls in order, less the token's close: when it closes does not matter, only that
// it does (openTokens).
std::vector<std::string> Steps(std::vector<std::string> calls) {
    std::erase(calls, "CloseHandle token");
    return calls;
}

class ShutdownSystemTest : public testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeProcess process;
    fakes::FakeSystemShutdown system{log};
    fakes::FakeMessageBoxes boxes{log};

    bool shutDown() { return power_off::ShutdownSystem(13, system, process, boxes); }
};

TEST_F(ShutdownSystemTest, OnTheNtFamilyEnablesThePrivilegeThenShutsDown) {
    EXPECT_TRUE(shutDown());
    EXPECT_THAT(Steps(log.calls),
                ElementsAre("OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege",
                            "AdjustTokenPrivileges", "ExitWindowsEx 13 4294967295"));
    EXPECT_EQ(system.lastNewState, (platform::TokenPrivilege{1, system.shutdownPrivilege, 2}));
    EXPECT_THAT(boxes.shown, IsEmpty());
    EXPECT_EQ(system.openTokens, 0);
}

TEST_F(ShutdownSystemTest, WithoutTheOsVariableNoTokenIsTouched) {
    process.environment = {"OSTYPE=x"};
    EXPECT_TRUE(shutDown());
    EXPECT_THAT(log.calls, ElementsAre("ExitWindowsEx 13 4294967295"));
}

struct FailureCase {
    const char* step;
    std::uint32_t code;
    std::vector<std::string> calls;
};

class ShutdownFailureTest : public ShutdownSystemTest,
                            public testing::WithParamInterface<FailureCase> {};

TEST_P(ShutdownFailureTest, TheFirstFailingStepShowsItsCodeAndEndsTheRoutine) {
    system.failures[GetParam().step] = GetParam().code;
    EXPECT_FALSE(shutDown());
    EXPECT_EQ(Steps(log.calls), GetParam().calls);
    EXPECT_THAT(boxes.shown,
                ElementsAre(fakes::ShownMessageBox{std::to_string(GetParam().code), "TAL", 0}));
    EXPECT_EQ(system.openTokens, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ShutdownFailureTest,
    testing::Values(
        FailureCase{"OpenProcessToken", 5, {"OpenProcessToken 40", "MessageBox 5 | TAL"}},
        FailureCase{"LookupPrivilegeValue",
                    1313,
                    {"OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege",
                     "MessageBox 1313 | TAL"}},
        FailureCase{"AdjustTokenPrivileges",
                    6,
                    {"OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege",
                     "AdjustTokenPrivileges", "MessageBox 6 | TAL"}},
        FailureCase{
            "ExitWindowsEx",
            1314,
            {"OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege",
             "AdjustTokenPrivileges", "ExitWindowsEx 13 4294967295", "MessageBox 1314 | TAL"}}));

}  // namespace
}  // namespace tal
