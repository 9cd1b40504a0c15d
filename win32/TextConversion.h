#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tal::win32 {

// UI text is UTF-8 in the source and reaches the screen through the wide entry points.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// Nothing for text that is not UTF-16 (an unpaired surrogate), where WideToUtf8 would put U+FFFD.
std::optional<std::string> WideToUtf8Strictly(std::wstring_view text);
// Settings and window titles travel in the ANSI code page.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// Nothing when the code page lacks a character of `text`, where WideToAnsi would put "?" or a
// look-alike in its place.
std::optional<std::string> WideToAnsiExactly(std::wstring_view text);

}  // namespace tal::win32
