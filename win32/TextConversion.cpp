#include "win32/TextConversion.h"

#include <windows.h>

namespace tal::win32 {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length =
        ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view text, DWORD flags = 0) {
    if (text.empty()) {
        return {};
    }
    const int length = ::WideCharToMultiByte(
        codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                          narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
    return ToWide(CP_UTF8, text);
}
std::string WideToUtf8(std::wstring_view text) {
    return FromWide(CP_UTF8, text);
}
std::optional<std::string> WideToUtf8Strictly(std::wstring_view text) {
    std::string utf8 = FromWide(CP_UTF8, text, WC_ERR_INVALID_CHARS);
    if (utf8.empty() && !text.empty()) {
        return std::nullopt;
    }
    return utf8;
}
std::wstring AnsiToWide(std::string_view text) {
    return ToWide(CP_ACP, text);
}
std::string WideToAnsi(std::wstring_view text) {
    return FromWide(CP_ACP, text);
}

std::optional<std::string> WideToAnsiExactly(std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    BOOL substituted = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                             nullptr, 0, nullptr, &substituted);
    if (length == 0 || substituted) {
        return std::nullopt;
    }
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), length,
                          nullptr, nullptr);
    return narrow;
}

}  // namespace tal::win32
