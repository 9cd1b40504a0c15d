#include "common/SettingsFile.h"

#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fakes/FakeProfileFile.h"

namespace tal {
namespace {

struct PathCase {
    const char* applicationPath;
    const char* settingsPath;
};

class SettingsFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsFilePathTest, AppendsTheFileNameToTheProgramFolder) {
    EXPECT_EQ(SettingsFilePath(GetParam().applicationPath), GetParam().settingsPath);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsFilePathTest,
    testing::Values(PathCase{"C:\\Kiosk", "C:\\Kiosk\\TAL.ini"}, PathCase{"C:\\", "C:\\TAL.ini"},
                    PathCase{"\\\\server\\share\\tal", "\\\\server\\share\\tal\\TAL.ini"},
                    PathCase{"D:\\Program Files\\TAL\\", "D:\\Program Files\\TAL\\TAL.ini"}));

class SettingsFileTest : public testing::Test {
protected:
    const std::string path = "C:\\Kiosk\\TAL.ini";
    fakes::CallLog log;
    fakes::FakeProfileFile profile{log};
    SettingsFile settings{profile, path};
};

TEST_F(SettingsFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "on");
    profile.set(path, "OTHER", "TaskBar", "off");
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "on");
    profile.set(path, "CONFIG", "ToolBar", "off");
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "on");
}

TEST_F(SettingsFileTest, PresentEmptyValueIsEmptyNotTheDefault) {
    profile.set(path, "CONFIG", "TimeToShutdown", "");
    EXPECT_EQ(settings.ReadSetting("TimeToShutdown", "18:00"), "");
}

TEST_F(SettingsFileTest, ReadsFromSectionConfigOfItsOwnFile) {
    profile.set(path, "CONFIG", "StartPage", "http://kiosk.example/");
    profile.set("C:\\Other\\TAL.ini", "CONFIG", "StartPage", "http://other.example/");
    EXPECT_EQ(settings.ReadSetting("StartPage", "x"), "http://kiosk.example/");
    EXPECT_EQ(log.calls.front(), "GetPrivateProfileString CONFIG StartPage");
}

TEST_F(SettingsFileTest, LongValuesAreReadWhole) {
    for (const std::size_t length : {97U, 98U, 99U, 100U, 101U, 199U, 300U, 100000U}) {
        std::string value;
        for (std::size_t i = 0; i < length; ++i) {
            value += static_cast<char>('a' + i % 26);
        }
        profile.set(path, "CONFIG", "StartPage", value);
        EXPECT_EQ(settings.ReadSetting("StartPage", ""), value) << "length " << length;
    }
}

TEST_F(SettingsFileTest, ShortValuesTakeOneRead) {
    profile.set(path, "CONFIG", "StartPage", std::string(97, 'u'));
    settings.ReadSetting("StartPage", "");
    EXPECT_EQ(log.calls.size(), 1U);
}

// The first buffer has room for 99 characters, but the double-byte one at 99 and 100 does not fit
// whole: the system leaves it out and hands back 98.
TEST_F(SettingsFileTest, AValueCutBeforeADoubleByteCharacterIsReadAgain) {
    const std::string value = std::string(98, 'x') + "\x83\x41\x83\x41";
    profile.set(path, "CONFIG", "StartPage", value);
    EXPECT_EQ(settings.ReadSetting("StartPage", ""), value);
    EXPECT_EQ(profile.readBuffers, (std::vector<std::size_t>{100, 200}));
}

TEST_F(SettingsFileTest, WriteCreatesOrReplacesAndKeepsOtherKeys) {
    profile.set(path, "config", "TaskBar", "on");
    profile.set(path, "config", "ToolBar", "on");
    EXPECT_TRUE(settings.WriteSetting("TASKBAR", "off"));
    EXPECT_TRUE(settings.WriteSetting("InitButtonX", "-300"));
    EXPECT_EQ(profile.get(path, "CONFIG", "TaskBar"), "off");
    EXPECT_EQ(profile.get(path, "CONFIG", "ToolBar"), "on");
    EXPECT_EQ(profile.get(path, "CONFIG", "InitButtonX"), "-300");
}

TEST_F(SettingsFileTest, AFailedWriteIsReported) {
    profile.failWrites = true;
    EXPECT_FALSE(settings.WriteSetting("TaskBar", "off"));
    EXPECT_FALSE(profile.exists(path));
}

}  // namespace
}  // namespace tal
