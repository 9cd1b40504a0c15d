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
