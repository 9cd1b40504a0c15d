#pragma once

#include <string>
#include <string_view>

namespace tal::fakes {

// Key order for maps whose names the system matches without regard to letter case.
struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tal::fakes
