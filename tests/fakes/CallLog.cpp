#include "tests/fakes/CallLog.h"

namespace tal::fakes {

std::vector<std::string> CallLog::startingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& call : calls) {
        if (call.starts_with(prefix)) {
            matching.push_back(call);
        }
    }
    return matching;
}

}  // namespace tal::fakes
