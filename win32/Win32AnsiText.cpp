#include "win32/Win32AnsiText.h"

#include "win32/TextConversion.h"

namespace tal::win32 {

std::string Win32AnsiText::toUtf8(const std::string& ansi) {
    return WideToUtf8(AnsiToWide(ansi));
}

}  // namespace tal::win32
