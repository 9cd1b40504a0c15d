#include "win32/Win32Registry.h"

#include <windows.h>

#include <vector>

#include "win32/UniqueHandle.h"

namespace tal::win32 {

// The logic's copies of the advapi32 values that it tells apart or passes through this port.
static_assert(platform::registry_status::success == ERROR_SUCCESS);
static_assert(platform::registry_status::fileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(platform::registry_type::text == REG_SZ);
static_assert(platform::registry_type::expandableText == REG_EXPAND_SZ);
static_assert(platform::registry_type::binary == REG_BINARY);
static_assert(platform::registry_type::dword == REG_DWORD);

namespace {

// The buffer a read starts with; most values fit.
constexpr std::size_t firstCapacity = 256;

class Win32RegistryKey : public platform::RegistryKey {
public:
    explicit Win32RegistryKey(UniqueHkey key) : key_(std::move(key)) {}

    std::optional<platform::RegistryValue> readValue(const std::string& name) override {
        std::vector<std::uint8_t> data(firstCapacity);
        for (;;) {
            DWORD type = 0;
            DWORD length = static_cast<DWORD>(data.size());
            const LONG status =
                ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, data.data(), &length);
            // The call gives the size the value needs; it may have grown since the last try.
            if (status == ERROR_MORE_DATA && length > data.size()) {
                data.resize(length);
                continue;
            }
            if (status != ERROR_SUCCESS) {
                return std::nullopt;
            }
            data.resize(length);
            return platform::RegistryValue{type, std::move(data)};
        }
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

long Win32Registry::deleteKeyTree(const std::string& path) {
    return ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
}

}  // namespace tal::win32
