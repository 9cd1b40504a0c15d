// The sample TAL.ini of the package, read through the real profile functions.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/Win32ProfileFile.h"

namespace tal {
namespace {

constexpr char absent[] = "\x01 absent";

std::string SampleText() {
    std::ifstream in(test_support::WindowsPathOf(TAL_SAMPLE_SETTINGS), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        lines.push_back(text.substr(begin, end - begin));
    }
    return lines;
}

std::string Shown(std::string_view value) {
    return value.empty() ? "(empty)" : std::string(value);
}

// How the comment above a key ends: both programs' defaults from the table of keys.
std::string DefaultsComment(const Setting& setting) {
    std::string comment = "Kiosk default: " + Shown(setting.kioskDefault) + ". ";
    if (setting.settingsToolDefault.empty()) {
        return comment + "Settings tool: not shown.";
    }
    return comment + "Settings tool default: " + Shown(setting.settingsToolDefault) + ".";
}

class SampleSettingsTest : public testing::Test {
protected:
    const std::string text = SampleText();
    test_support::TemporaryFolder folder;
    win32::Win32ProfileFile profile;
    SettingsFile settings{profile, SettingsFilePath(folder.path())};
};

TEST_F(SampleSettingsTest, IsAsciiTextWithWindowsLineEnds) {
    ASSERT_FALSE(text.empty()) << TAL_SAMPLE_SETTINGS;
    ASSERT_TRUE(text.ends_with("\r\n"));
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        ASSERT_TRUE(byte < 0x80 && (byte >= 0x20 || byte == '\r' || byte == '\n')) << "at " << at;
        if (byte == '\n') {
            ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "a bare line feed at " << at;
        }
    }
}

TEST_F(SampleSettingsTest, AsShippedSetsNoKeySoBothProgramsKeepTheirDefaults) {
    folder.write("TAL.ini", text);
    std::vector<char> names(256);
    const DWORD length = ::GetPrivateProfileSectionNamesA(
        names.data(), static_cast<DWORD>(names.size()), settings.path().c_str());
    EXPECT_EQ(std::string(names.data(), length), std::string("CONFIG\0", 7));
    for (const Setting& setting : settings::all) {
        EXPECT_EQ(settings.ReadSetting(setting.key, absent), absent) << setting.key;
    }
}

TEST_F(SampleSettingsTest, ListsEveryKeyUnderItsMeaningAndBothDefaults) {
    const std::vector<std::string> lines = Lines(text);
    for (const Setting& setting : settings::all) {
        SCOPED_TRACE(setting.key);
        const std::string keyLine =
            ";" + std::string(setting.key) + "=" + std::string(setting.kioskDefault);
        const auto at = std::find(lines.begin(), lines.end(), keyLine);
        ASSERT_NE(at, lines.end()) << "no line " << keyLine;
        ASSERT_NE(at, lines.begin());
        const std::string& comment = *(at - 1);
        EXPECT_TRUE(comment.starts_with("; ")) << comment;
        EXPECT_TRUE(comment.ends_with(DefaultsComment(setting))) << comment;
        EXPECT_GT(comment.size(), DefaultsComment(setting).size() + 10) << "says what it means";
    }
}

TEST_F(SampleSettingsTest, AKeyTakenInGivesTheKiosksDefault) {
    std::string uncommented;
    for (const std::string& line : Lines(text)) {
        const bool keyLine = line.size() > 1 && line[0] == ';' &&
                             line.find('=') != std::string::npos &&
                             line.find(' ') == std::string::npos;
        uncommented += (keyLine ? line.substr(1) : line) + "\r\n";
    }
    folder.write("TAL.ini", uncommented);
    for (const Setting& setting : settings::all) {
        EXPECT_EQ(settings.ReadSetting(setting.key, absent), setting.kioskDefault) << setting.key;
    }
}

}  // namespace
}  // namespace tal
