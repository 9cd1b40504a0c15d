#include "tests/fakes/CaseInsensitive.h"

#include <algorithm>

#include "common/Flags.h"

namespace tal::fakes {

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return LowerCase(a) < LowerCase(b);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return LowerCase(a) == LowerCase(b);
}

}  // namespace tal::fakes
