#include "win32/Font.h"

namespace tal::win32 {

namespace {

constexpr int pointsPerInch = 72;

}  // namespace

UniqueFont CreateUiFont(int points, FontWeight weight, UINT dpi) {
    return UniqueFont(::CreateFontW(-::MulDiv(points, static_cast<int>(dpi), pointsPerInch), 0, 0,
                                    0, weight == FontWeight::bold ? FW_BOLD : FW_NORMAL, FALSE,
                                    FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック"));
}

}  // namespace tal::win32
