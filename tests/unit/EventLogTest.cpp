#include "common/EventLog.h"

#include <string>

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

TEST_F(EventLogTest, WithNowhereToWriteLinesAreCountedUntilOneCanBeWritten) {
    storage.readOnlyFolders = {"C:\\Kiosk", fallbackFolder};
    log.write("one");
    storage.environment.clear();
    log.write("two");
    EXPECT_EQ(log.dropped(), 2U);
    EXPECT_EQ(log.path(), "");

    storage.readOnlyFolders.clear();
    log.write("three");
    EXPECT_EQ(storage.text(beside), prefix + "three dropped=2\r\n");
    EXPECT_EQ(log.dropped(), 0U);
}

TEST_F(EventLogTest, AFailedWriteIsCountedInTheNextLineThatSucceeds) {
    log.write("one");
    storage.failingWrites = 1;
    log.write("lost");
    log.write("three");
    log.write("four");
    EXPECT_EQ(storage.text(beside),
              prefix + "one\r\n" + prefix + "three dropped=1\r\n" + prefix + "four\r\n");
}

TEST_F(EventLogTest, TheLineThatReachesOneMegabyteRotatesTheFile) {
    const std::string line = prefix + "x\r\n";
    storage.put(beside, std::string(EventLog::rotationSize - line.size() - 1, 'a'));
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
    storage.put(beside, std::string(EventLog::rotationSize, 'a'));
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
    storage.put(beside, std::string(EventLog::rotationSize, 'a'));
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
