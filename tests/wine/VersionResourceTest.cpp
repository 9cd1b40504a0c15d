// The version resource of both built programs, read as Windows Explorer's file properties read it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ProgramUnderTest.h"
#include "win32/TextConversion.h"

namespace tal {
namespace {

// The version block of one file.
class VersionBlock {
public:
    explicit VersionBlock(const std::string& path) {
        const std::wstring widePath = win32::Utf8ToWide(path);
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
        block_.resize(size);
        if (size == 0 || !::GetFileVersionInfoW(widePath.c_str(), 0, size, block_.data())) {
            block_.clear();
        }
    }

    bool empty() const { return block_.empty(); }

    std::optional<VS_FIXEDFILEINFO> fixed() const {
        void* data = nullptr;
        UINT length = 0;
        if (!query(L"\\", data, length) || length < sizeof(VS_FIXEDFILEINFO)) {
            return std::nullopt;
        }
        return *static_cast<const VS_FIXEDFILEINFO*>(data);
    }

    // The first language and code page that the block declares, as the string table's name.
    std::optional<std::wstring> translation() const {
        void* data = nullptr;
        UINT length = 0;
        if (!query(L"\\VarFileInfo\\Translation", data, length) || length < 4) {
            return std::nullopt;
        }
        const auto* words = static_cast<const WORD*>(data);
        wchar_t name[9] = {};
        ::swprintf(name, 9, L"%04x%04x", words[0], words[1]);
        return name;
    }

    // A value of the string table (UTF-8), or nothing when it is absent.
    std::optional<std::string> text(const std::wstring& table, const std::wstring& name) const {
        void* data = nullptr;
        UINT length = 0;
        if (!query(L"\\StringFileInfo\\" + table + L"\\" + name, data, length) || length == 0) {
            return std::nullopt;
        }
        return win32::WideToUtf8(static_cast<const wchar_t*>(data));
    }

private:
    bool query(const std::wstring& path, void*& data, UINT& length) const {
        return !block_.empty() && ::VerQueryValueW(const_cast<std::uint8_t*>(block_.data()),
                                                   path.c_str(), &data, &length) != FALSE;
    }

    std::vector<std::uint8_t> block_;
};

struct Program {
    const char* executable;
    const char* fileName;
    const char* description;
};

class VersionResourceTest : public testing::TestWithParam<Program> {};

TEST_P(VersionResourceTest, CarriesTheProjectVersionAndItsNames) {
    const Program& program = GetParam();
    const VersionBlock block(test_support::WindowsPathOf(program.executable));
    ASSERT_FALSE(block.empty()) << "no version resource";

    const auto fixed = block.fixed();
    ASSERT_TRUE(fixed.has_value());
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDU);
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(TAL_VERSION_MINOR, TAL_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, TAL_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const auto table = block.translation();
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(*table, L"041104b0") << "Japanese, Unicode";
    EXPECT_EQ(block.text(*table, L"FileVersion"), TAL_VERSION);
    EXPECT_EQ(block.text(*table, L"ProductVersion"), TAL_VERSION);
    EXPECT_EQ(block.text(*table, L"ProductName"), "TAL");
    EXPECT_EQ(block.text(*table, L"FileDescription"), program.description);
    EXPECT_EQ(block.text(*table, L"OriginalFilename"), program.fileName);
}

constexpr const char* programNames[] = {"Kiosk", "SettingsTool", "Watchdog"};

INSTANTIATE_TEST_SUITE_P(Programs, VersionResourceTest,
                         testing::Values(Program{TAL_KIOSK_EXE, "TAL.exe", "TAL キオスク"},
                                         Program{TAL_SETTAL_EXE, "settal.exe", "TAL 設定ツール"},
                                         Program{TAL_WATCHDOG_EXE, "talwatch.exe",
                                                 "TAL 監視プログラム"}),
                         [](const testing::TestParamInfo<Program>& info) {
                             return std::string(programNames[info.index]);
                         });

}  // namespace
}  // namespace tal
