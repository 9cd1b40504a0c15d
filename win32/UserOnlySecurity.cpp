#include "win32/UserOnlySecurity.h"

#include "win32/UniqueHandle.h"

namespace tal::win32 {

UserOnlySecurity::UserOnlySecurity(DWORD access) {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) {
        return;
    }
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    user_.resize(size);
    if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, user_.data(), size, &size)) {
        return;
    }
    const PSID user = reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid;
    acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(user));
    auto* const acl = reinterpret_cast<ACL*>(acl_.data());
    valid_ = ::InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
             ::AddAccessAllowedAce(acl, ACL_REVISION, access, user) &&
             ::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             ::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
    attributes_ = {sizeof attributes_, &descriptor_, FALSE};
}

}  // namespace tal::win32
