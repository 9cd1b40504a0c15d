#pragma once

#include <string>
#include <vector>

namespace tal::fakes {

// The platform calls that the fakes saw, in order, one line each: "Name argument argument".
// Tests compare it with the sequence they expect.
struct CallLog {
    std::vector<std::string> calls;
    // Calls that contain this text are not recorded: suites that check other calls' order leave
    // out the policy reads of every setting, which a suite of their own checks.
    std::string ignored;

    void add(std::string call) {
        if (ignored.empty() || call.find(ignored) == std::string::npos) {
            calls.push_back(std::move(call));
        }
    }
    // The calls whose line starts with `prefix`.
    std::vector<std::string> startingWith(const std::string& prefix) const;
};

}  // namespace tal::fakes
