#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace tal::win32 {

// A step that a program cannot go on without failed. what() is the UTF-8 text a person reads: what
// failed, in Japanese, and the system's code for why (an HRESULT or a GetLastError value) in hex,
// as in "ブラウザーを作成できませんでした。(0x80040154)".
class Failure : public std::runtime_error {
public:
    Failure(std::string_view whatFailed, std::uint32_t code);
};

}  // namespace tal::win32
