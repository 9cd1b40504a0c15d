#include "common/SettingsFile.h"

#include <string>

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

TEST_F(SettingsFileTest, ReadsFromSectionConfigOfItsOwnFile) {
    profile.set(path, "CONFIG", "StartPage", "http://kiosk.example/");
    profile.set("C:\\Other\\TAL.ini", "CONFIG", "StartPage", "http://other.example/");
    EXPECT_EQ(settings.ReadSetting("StartPage", "x"), "http://kiosk.example/");
    EXPECT_EQ(log.calls.front(), "GetPrivateProfileString CONFIG StartPage");
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
