// The settings file through the real profile functions.
#include <string>

#include <gtest/gtest.h>

#include "common/SettingsFile.h"
#include "tests/support/PseudoRandomBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/Win32ProfileFile.h"

namespace tal {
namespace {

class ProfileFileTest : public testing::Test {
protected:
    test_support::TemporaryFolder folder;
    win32::Win32ProfileFile profile;
    SettingsFile settings{profile, SettingsFilePath(folder.path())};

    void writeFile(const std::string& bytes) { folder.write("TAL.ini", bytes); }
    std::string fileText() const { return folder.read("TAL.ini"); }
};

TEST_F(ProfileFileTest, SectionAndKeyNamesIgnoreLetterCase) {
    writeFile("[config]\r\ntaskbar=off\r\nTOOLBAR=off\r\n");
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "off");
    EXPECT_EQ(settings.ReadSetting("ToolBar", "on"), "off");
}

struct StoredLine {
    const char* line;
    const char* read;
};

// The reading rules that the unit suites' profile fake follows.
TEST_F(ProfileFileTest, BlanksGoQuotesKeepTheirInsideAndTheFirstOfEqualNamesWins) {
    const StoredLine lines[] = {
        {"TaskBar = off ", "off"},
        {"  taskbar\t=\toff", "off"},
        {"TaskBar=\"on \"", "on "},
        {"TaskBar=' on'", " on"},
        {"TaskBar=\"on", "\"on"},
        {"TaskBar=on\"", "on\""},
        {"TaskBar=off\r\nTASKBAR=on", "off"},
        {"ToolBar=off\r\n[config]\r\nTaskBar=off", "default"},
    };
    for (const StoredLine& stored : lines) {
        writeFile(std::string("[CONFIG]\r\n") + stored.line + "\r\n");
        EXPECT_EQ(settings.ReadSetting("TaskBar", "default"), stored.read) << stored.line;
    }
}

TEST_F(ProfileFileTest, PresentEmptyValueIsEmptyAndMissingKeyIsTheDefault) {
    writeFile("[CONFIG]\r\nTimeToShutdown=\r\n");
    EXPECT_EQ(settings.ReadSetting("TimeToShutdown", "18:00"), "");
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "on");
}

TEST_F(ProfileFileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(settings.ReadSetting("StartPage", "https://default.example/"),
              "https://default.example/");
}

TEST_F(ProfileFileTest, LongValuesAreReadWhole) {
    for (const std::size_t length : {98U, 99U, 100U, 300U, 5000U, 100000U}) {
        std::string url = "http://kiosk.example/";
        while (url.size() < length) {
            url += static_cast<char>('a' + url.size() % 26);
        }
        writeFile("[CONFIG]\r\nStartPage=" + url + "\r\nTaskBar=off\r\n");
        EXPECT_EQ(settings.ReadSetting("StartPage", ""), url) << "length " << length;
        EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "off") << "length " << length;
    }
}

TEST_F(ProfileFileTest, DoubleByteTextAcrossTheFirstBufferIsReadWhole) {
    // Shift-JIS "あ" (0x82 0xA0) repeated, so that a character straddles every buffer's end.
    for (const std::size_t prefix : {97U, 98U, 99U}) {
        std::string value(prefix, 'x');
        for (int i = 0; i < 60; ++i) {
            value += "\x82\xA0";
        }
        writeFile("[CONFIG]\r\nStartPage=" + value + "\r\n");
        EXPECT_EQ(settings.ReadSetting("StartPage", ""), value) << "prefix " << prefix;
    }
}

TEST_F(ProfileFileTest, WriteCreatesTheFileAndTheSection) {
    EXPECT_TRUE(settings.WriteSetting("InitButtonX", "3000"));
    EXPECT_EQ(settings.ReadSetting("InitButtonX", "0"), "3000");
    EXPECT_NE(fileText().find("[CONFIG]"), std::string::npos) << fileText();
}

TEST_F(ProfileFileTest, WriteReplacesInPlaceAndKeepsTheOtherKeys) {
    writeFile(
        "; kiosk settings\r\n[CONFIG]\r\nStartPage=http://a.example/\r\nTaskBar=on\r\n"
        "ToolBar=on\r\n[OTHER]\r\nTaskBar=kept\r\n");
    EXPECT_TRUE(settings.WriteSetting("taskbar", "off"));
    EXPECT_EQ(fileText(),
              "; kiosk settings\r\n[CONFIG]\r\nStartPage=http://a.example/\r\nTaskBar=off\r\n"
              "ToolBar=on\r\n[OTHER]\r\nTaskBar=kept\r\n");
}

TEST_F(ProfileFileTest, WriteToAFolderThatDoesNotExistFails) {
    const SettingsFile nowhere(profile, folder.file("missing\\TAL.ini"));
    EXPECT_FALSE(nowhere.WriteSetting("TaskBar", "off"));
}

struct BadFile {
    const char* name;
    std::string bytes;
};

std::string LargeFile() {
    std::string bytes = "[CONFIG]\r\nTaskBar=off\r\n";
    while (bytes.size() < 10U * 1024 * 1024) {
        bytes += "Filler" + std::to_string(bytes.size()) + "=" + std::string(60, 'f') + "\r\n";
    }
    return bytes + "ToolBar=off\r\n";
}

// Whatever the file holds, every read ends with a value or the default.
TEST_F(ProfileFileTest, BadFilesGiveValuesOrDefaults) {
    const BadFile files[] = {
        {"empty", ""},
        {"garbage", test_support::PseudoRandomBytes(4096, 12345)},
        {"no section", "TaskBar=off\r\nToolBar=off\r\n"},
        {"LF only", "[CONFIG]\nTaskBar=off\nToolBar=off\n"},
        {"UTF-8 BOM", "\xEF\xBB\xBF[CONFIG]\r\nTaskBar=off\r\nToolBar=off\r\n"},
        {"two sections", "[CONFIG]\r\nTaskBar=off\r\n[CONFIG]\r\nToolBar=off\r\n"},
        {"100,000-character value",
         "[CONFIG]\r\nStartPage=" + std::string(100000, 'p') + "\r\nTaskBar=off\r\n"},
        {"10 MB", LargeFile()},
    };
    for (const BadFile& file : files) {
        SCOPED_TRACE(file.name);
        writeFile(file.bytes);
        const std::string taskBar = settings.ReadSetting("TaskBar", "on");
        const std::string startPage = settings.ReadSetting("StartPage", "default");
        EXPECT_TRUE(taskBar == "on" || taskBar == "off") << taskBar;
        EXPECT_FALSE(startPage.empty());
        EXPECT_EQ(settings.ReadSetting("InitButtonX", "0"), "0");
    }
}

TEST_F(ProfileFileTest, BadFilesReadAsTheSystemReadsThem) {
    writeFile("[CONFIG]\nTaskBar=off\nToolBar=off\n");
    EXPECT_EQ(settings.ReadSetting("ToolBar", "on"), "off");
    writeFile("TaskBar=off\r\n");
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "on");
    writeFile("[CONFIG]\r\nStartPage=" + std::string(100000, 'p') + "\r\nTaskBar=off\r\n");
    EXPECT_EQ(settings.ReadSetting("StartPage", ""), std::string(100000, 'p'));
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "off");
    writeFile(LargeFile());
    EXPECT_EQ(settings.ReadSetting("TaskBar", "on"), "off");
    EXPECT_EQ(settings.ReadSetting("ToolBar", "on"), "off");
}

}  // namespace
}  // namespace tal
