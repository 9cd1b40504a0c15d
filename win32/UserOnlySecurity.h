#pragma once

#include <windows.h>

#include <vector>

namespace tal::win32 {

// Security attributes for a named object that every process of this process's user may open
// with `access`, and no one else. The user's SID is the same in the user's elevated and
// non-elevated processes, whose default DACLs differ: an elevated token's grants the
// administrators, not the user, so an object that an elevated process made first would keep the
// user's other processes out.
class UserOnlySecurity {
public:
    explicit UserOnlySecurity(DWORD access);
    UserOnlySecurity(const UserOnlySecurity&) = delete;
    UserOnlySecurity& operator=(const UserOnlySecurity&) = delete;

    // Null when the user could not be read: the object then gets the default DACL.
    SECURITY_ATTRIBUTES* attributes() { return valid_ ? &attributes_ : nullptr; }

private:
    std::vector<BYTE> user_;
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool valid_ = false;
};

}  // namespace tal::win32
