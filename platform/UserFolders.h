#pragma once

#include <cstddef>
#include <string>

namespace tal::platform {

struct DeletedFiles {
    std::size_t deleted = 0;
    // Files that stay (in use, or refused).
    std::size_t left = 0;
};

// The folders of the user's profile.
class UserFolders {
public:
    virtual ~UserFolders() = default;

    // Deletes what lies below the folder `relative` (backslashes, ASCII) of the user's local
    // application data folder (SHGetFolderPathW with CSIDL_LOCAL_APPDATA), depth first, the
    // folder itself staying: DeleteFileW for each file, read-only ones too, and RemoveDirectoryW
    // for each folder; a link to a folder is removed, never followed. A missing folder has
    // nothing to delete.
    virtual DeletedFiles deleteLocalAppDataContents(const std::string& relative) = 0;
};

}  // namespace tal::platform
