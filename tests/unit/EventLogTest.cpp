#include "common/EventLog.h"

#include <deque>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeCalendar.h"
#include "tests/fakes/FakeLogStorage.h"

namespace tal {
namespace {

const std::string beside = "C:\\Kiosk\\TAL.log";
const std::string fallbackFolder = "C:\\Users\\kiosk\\AppData\\Local\\TAL";
const std::string fallback = fallbackFolder + "\\TAL.log";
const std::string prefix = "2026-12-07T14:03:22+09:00 TAL ";

class EventLogTest : public testing::Test {
protected:
    fakes::FakeLogStorage storage;
    fakes::FakeCalendar calendar;
    EventLog log{storage, calendar, "TAL"};
};

TEST_F(EventLogTest, AppendsBesideTheSettingsFile) {
    storage.put(beside, "earlier line\r\n");
    log.write("reset", {{"trigger", "button"}});
    log.write("start");
    EXPECT_EQ(storage.text(beside),
              "earlier line\r\n" + prefix + "reset trigger=button\r\n" + prefix + "start\r\n");
    EXPECT_EQ(log.path(), beside);
}

TEST_F(EventLogTest, AReadOnlyProgramFolderSendsTheLogToLocalAppDataAndKeepsItThere) {
    storage.readOnlyFolders.insert("C:\\Kiosk");
    log.write("one");
    storage.readOnlyFolders.clear();
    log.write("two");
    EXPECT_EQ(storage.text(fallback), prefix + "one\r\n" + prefix + "two\r\n");
    EXPECT_FALSE(storage.exists(beside)) << "the place is chosen once per run";
    EXPECT_EQ(log.path(), fallback);
}

TEST_F(EventLogTest, ARootFolderGetsNoSecondBackslash) {
    storage.folder = "D:\\";
    storage.directories.insert("D:");
    storage.environment["LOCALAPPDATA"] = "E:\\";
    storage.directories.insert("E:");
    storage.readOnlyFolders.insert("D:");
    log.write("one");
    EXPECT_EQ(log.path(), "E:\\TAL\\TAL.log");
}

TEST_F(EventLogTest, WithNowhereToWriteLinesAreKeptUpToTheLimitAndTheRestCounted) {
    storage.readOnlyFolders.insert("C:\\Kiosk");
    storage.environment.clear();
    const std::string line = prefix + "x\r\n";
    const std::size_t fit = EventLog::keptLimit / line.size();
    for (std::size_t n = 0; n < fit + 2; ++n) {
        log.write("x");
    }
    EXPECT_EQ(log.dropped(), 2U);
    storage.readOnlyFolders.clear();
    log.write("y");
    EXPECT_EQ(storage.text(beside).size(), fit * line.size() + (prefix + "y dropped=2\r\n").size());
    EXPECT_TRUE(storage.text(beside).ends_with(line + prefix + "y dropped=2\r\n"));
}

TEST_F(EventLogTest, AtItsEndTheLogWaitsForTheLockAtMostASecondForWhatItKeeps) {
    {
        EventLog ending{storage, calendar, "TAL"};
        storage.busyLocks = 1;
        ending.write("last");
    }
    EXPECT_EQ(storage.text(beside), prefix + "last\r\n");
    EXPECT_EQ(storage.lockWaits, (std::vector<std::uint32_t>{0, EventLog::endWaitMilliseconds}));
}

// "one" meets the obstacle, "two" does not.
struct HeldBackCase {
    const char* name;
    int busyLocks;
    int failingLockCreations;
    std::deque<std::size_t> writeLimits;
    std::string before;
    std::string after;
};

class EventLogHeldBackTest : public EventLogTest,
                             public testing::WithParamInterface<HeldBackCase> {};

TEST_P(EventLogHeldBackTest, ALineIsKeptWithoutWaitingAndGoesOutWholeBeforeTheNext) {
    storage.busyLocks = GetParam().busyLocks;
    storage.failingLockCreations = GetParam().failingLockCreations;
    storage.writeLimits = GetParam().writeLimits;
    storage.put(beside, GetParam().before);
    log.write("one");
    log.write("two");
    EXPECT_EQ(storage.text(beside), GetParam().after);
    EXPECT_EQ(log.dropped(), 0U);
    EXPECT_FALSE(storage.exists(fallback));
    EXPECT_THAT(storage.lockWaits, testing::Each(0U));
}

const std::string both = prefix + "one\r\n" + prefix + "two\r\n";
const std::string cut = prefix.substr(0, 10);

INSTANTIATE_TEST_SUITE_P(
    Obstacles, EventLogHeldBackTest,
    testing::Values(HeldBackCase{"BusyLock", 1, 0, {}, "", both},
                    HeldBackCase{"LockNotMadeAtFirst", 0, 1, {}, "", both},
                    HeldBackCase{"FailedWrite", 0, 0, {0}, "", both},
                    HeldBackCase{"ShortWriteCompleted", 0, 0, {10}, "", both},
                    HeldBackCase{"CutShort", 0, 0, {10, 0}, "", cut + "\r\n" + both},
                    HeldBackCase{"CutByAnother", 0, 0, {}, cut, cut + "\r\n" + both}),
    [](const testing::TestParamInfo<HeldBackCase>& info) { return std::string(info.param.name); });

TEST_F(EventLogTest, TheLineThatReachesOneMegabyteRotatesTheFile) {
    const std::string line = prefix + "x\r\n";
    storage.put(beside, std::string(EventLog::rotationSize - line.size() - 3, 'a') + "\r\n");
    storage.put(beside + ".1", "older\r\n");
    log.write("x");
    EXPECT_EQ(storage.text(beside).size(), EventLog::rotationSize - 1) << "still below";
    EXPECT_EQ(storage.text(beside + ".1"), "older\r\n");

    log.write("x");
    EXPECT_FALSE(storage.exists(beside));
    EXPECT_EQ(storage.text(beside + ".1").size(), EventLog::rotationSize - 1 + line.size())
        << "the full file replaced the older one";
    log.write("y");
    EXPECT_EQ(storage.text(beside), prefix + "y\r\n");
}

TEST_F(EventLogTest, ARotationThatFindsTheFileRotatedAlreadyCarriesOn) {
    storage.put(beside, std::string(EventLog::rotationSize - 2, 'a') + "\r\n");
    // Someone moves the full file away between this line and its size check.
    storage.afterWrite = [this] {
        storage.afterWrite = nullptr;
        storage.moveFile(beside, beside + ".1");
    };
    log.write("x");
    log.write("y");
    EXPECT_EQ(storage.text(beside + ".1").size(),
              EventLog::rotationSize + (prefix + "x\r\n").size());
    EXPECT_EQ(storage.text(beside), prefix + "y\r\n");
    EXPECT_EQ(log.dropped(), 0U);
}

TEST_F(EventLogTest, ARotationThatFailsIsTriedAgainAfterTheNextLine) {
    storage.put(beside, std::string(EventLog::rotationSize - 2, 'a') + "\r\n");
    // A reader holds the file without sharing deletion: the rename fails once.
    storage.failingMoves = 1;
    log.write("x");
    EXPECT_FALSE(storage.exists(beside + ".1"));
    log.write("y");
    EXPECT_EQ(storage.text(beside + ".1").size(),
              EventLog::rotationSize + 2 * (prefix + "x\r\n").size());
    EXPECT_FALSE(storage.exists(beside));
}

}  // namespace
}  // namespace tal
