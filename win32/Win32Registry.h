#pragma once

#include "platform/Registry.h"

namespace tal::win32 {

// Keys of HKEY_CURRENT_USER through the ANSI registry functions.
class Win32Registry : public platform::Registry {
public:
    std::unique_ptr<platform::RegistryKey> createKey(const std::string& path) override;
    std::unique_ptr<platform::RegistryKey> openKey(const std::string& path) override;
    std::unique_ptr<platform::RegistryKey> openMachineKey(const std::string& path) override;
    long deleteKeyTree(const std::string& path) override;
};

}  // namespace tal::win32
