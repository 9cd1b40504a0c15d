// The settings dialogs' entries on their way to the settings file, in code page 932.
#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "win32/TextConversion.h"

namespace tal {
namespace {

TEST(TextConversionTest, AnEntryConvertsWholeOrNotAtAll) {
    ASSERT_EQ(::GetACP(), 932U);
    EXPECT_EQ(win32::WideToAnsiExactly(L"https://例え.jp/"), "https://\x97\xe1\x82\xa6.jp/");
    EXPECT_EQ(win32::WideToAnsiExactly(L"한국"), std::nullopt);
    // Where the lossy conversion writes a look-alike "e".
    EXPECT_EQ(win32::WideToAnsiExactly(L"caf\u00e9"), std::nullopt);
}

}  // namespace
}  // namespace tal
