#include "win32/Failure.h"

#include <cstdio>
#include <string>

namespace tal::win32 {

namespace {

std::string Describe(std::string_view whatFailed, std::uint32_t code) {
    char hex[16] = {};
    std::snprintf(hex, sizeof hex, "(0x%08X)", static_cast<unsigned>(code));
    return std::string(whatFailed) + hex;
}

}  // namespace

Failure::Failure(std::string_view whatFailed, std::uint32_t code)
    : std::runtime_error(Describe(whatFailed, code)) {}

}  // namespace tal::win32
