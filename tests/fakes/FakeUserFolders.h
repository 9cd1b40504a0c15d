#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/UserFolders.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// The local application data folder as a set of relative file paths.
class FakeUserFolders : public platform::UserFolders {
public:
    explicit FakeUserFolders(CallLog& log) : log_(log) {}

    std::set<std::string> files;
    // Files that cannot be deleted.
    std::set<std::string> inUse;

    platform::DeletedFiles deleteLocalAppDataContents(const std::string& relative) override {
        log_.add("DeleteLocalAppDataContents " + relative);
        platform::DeletedFiles result;
        const std::string prefix = relative + "\\";
        std::erase_if(files, [&](const std::string& file) {
            if (!file.starts_with(prefix)) {
                return false;
            }
            ++(inUse.contains(file) ? result.left : result.deleted);
            return !inUse.contains(file);
        });
        return result;
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
