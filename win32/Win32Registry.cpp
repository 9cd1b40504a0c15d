#include "win32/Win32Registry.h"

#include <windows.h>

#include <limits>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

// The logic's copies of the advapi32 values that it tells apart or passes through this port.
static_assert(platform::registry_status::success == ERROR_SUCCESS);
static_assert(platform::registry_status::fileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(platform::registry_status::moreData == ERROR_MORE_DATA);
static_assert(platform::registry_type::text == REG_SZ);
static_assert(platform::registry_type::expandableText == REG_EXPAND_SZ);
static_assert(platform::registry_type::binary == REG_BINARY);
static_assert(platform::registry_type::dword == REG_DWORD);

namespace {

class Win32RegistryKey : public platform::RegistryKey {
public:
    explicit Win32RegistryKey(UniqueHkey key) : key_(std::move(key)) {}

    platform::RegistryQueryResult queryValue(const std::string& name,
                                             std::size_t capacity) override {
        platform::RegistryQueryResult result;
        result.data.resize(capacity);
        DWORD type = 0;
        DWORD length =
            static_cast<DWORD>(std::min<std::size_t>(capacity, std::numeric_limits<DWORD>::max()));
        result.status =
            ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                               result.data.empty() ? nullptr : result.data.data(), &length);
        result.type = type;
        result.size = length;
        result.data.resize(result.status == ERROR_SUCCESS ? length : 0);
        return result;
    }

    long setValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        return ::RegSetValueExA(key_.get(), name.c_str(), 0, type, data.data(),
                                static_cast<DWORD>(data.size()));
    }

    long deleteValue(const std::string& name) override {
        return ::RegDeleteValueA(key_.get(), name.c_str());
    }

private:
    UniqueHkey key_;
};

}  // namespace

std::unique_ptr<platform::RegistryKey> Win32Registry::createKey(const std::string& path) {
    UniqueHkey key;
    if (::RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), key.put()) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

std::unique_ptr<platform::RegistryKey> Win32Registry::openKey(const std::string& path) {
    UniqueHkey key;
    if (::RegOpenKeyA(HKEY_CURRENT_USER, path.c_str(), key.put()) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

std::unique_ptr<platform::RegistryKey> Win32Registry::openMachineKey(const std::string& path) {
    UniqueHkey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

}  // namespace tal::win32
