#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tal::platform {

// Win32 status codes of the calls that change values.
namespace registry_status {
inline constexpr long success = 0;
inline constexpr long fileNotFound = 2;
}  // namespace registry_status

namespace registry_type {
inline constexpr std::uint32_t text = 1;
inline constexpr std::uint32_t expandableText = 2;
inline constexpr std::uint32_t binary = 3;
inline constexpr std::uint32_t dword = 4;
}  // namespace registry_type

// A stored value: its type and all of its bytes.
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// An open key of HKEY_CURRENT_USER. Destroying it closes it (RegCloseKey).
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // RegQueryValueExA, asked again with a larger buffer while the value does not fit: the whole
    // value, or nothing when it is missing or cannot be read.
    virtual std::optional<RegistryValue> readValue(const std::string& name) = 0;
    virtual long setValue(const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data) = 0;
    virtual long deleteValue(const std::string& name) = 0;
};

// Opens keys of HKEY_CURRENT_USER, and of HKEY_LOCAL_MACHINE for reading; a null result means
// the call failed.
class Registry {
public:
    virtual ~Registry() = default;

    // RegCreateKeyA: opens the key, creating it (and its parents) when absent.
    virtual std::unique_ptr<RegistryKey> createKey(const std::string& path) = 0;
    // RegOpenKeyA: opens the key only.
    virtual std::unique_ptr<RegistryKey> openKey(const std::string& path) = 0;
    // RegOpenKeyExA of HKEY_LOCAL_MACHINE for reading.
    virtual std::unique_ptr<RegistryKey> openMachineKey(const std::string& path) = 0;
    // RegDeleteTreeA: the key of HKEY_CURRENT_USER with its values and every key below it.
    virtual long deleteKeyTree(const std::string& path) = 0;
};

}  // namespace tal::platform
