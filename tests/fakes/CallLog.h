#pragma once

#include <string>
#include <vector>

namespace tal::fakes {

// The platform calls that the fakes saw, in order, one line each: "Name argument argument".
// Tests compare it with the sequence they expect.
struct CallLog {
    std::vector<std::string> calls;

    void add(std::string call) { calls.push_back(std::move(call)); }
    // The calls whose line starts with `prefix`.
    std::vector<std::string> startingWith(const std::string& prefix) const;
};

}  // namespace tal::fakes
