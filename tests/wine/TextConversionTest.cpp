// The settings dialogs' entries on their way to the settings file, in the ANSI code page of a
// Japanese Windows (932).
#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "win32/TextConversion.h"

namespace tal {
namespace {

TEST(TextConversionTest, AnEntryConvertsWholeOrNotAtAll) {
    ASSERT_EQ(::GetACP(), 932U);
    const struct {
        const wchar_t* entry;
        std::optional<std::string> ansi;
    } cases[] = {
        {L"https://例え.jp/", "https://\x97\xe1\x82\xa6.jp/"},
        {L"", ""},
        {L"한국", std::nullopt},
        // Where the lossy conversion writes a look-alike "e".
        {L"caf\u00e9", std::nullopt},
        {L"\xd800", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(win32::WideToAnsiExactly(c.entry), c.ansi)
            << win32::WideToUtf8(c.entry) << " (" << win32::WideToAnsi(c.entry) << ")";
    }
}

}  // namespace
}  // namespace tal
