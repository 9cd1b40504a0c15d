#pragma once

#include "platform/UserFolders.h"

namespace tal::win32 {

class Win32UserFolders : public platform::UserFolders {
public:
    platform::DeletedFiles deleteLocalAppDataContents(const std::string& relative) override;
};

}  // namespace tal::win32
