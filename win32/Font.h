#pragma once

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

enum class FontWeight { normal, bold };

// The programs' Japanese UI font "ＭＳ Ｐゴシック" at a size in points for a DPI; where the face
// is missing the system substitutes one.
UniqueFont CreateUiFont(int points, FontWeight weight, UINT dpi);

}  // namespace tal::win32
