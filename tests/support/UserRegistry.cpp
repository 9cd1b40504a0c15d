#include "tests/support/UserRegistry.h"

#include <stdexcept>

#include "win32/UniqueHandle.h"

namespace tal::test_support {

std::optional<StoredValue> ReadUserValue(const std::string& key, const std::string& name) {
    StoredValue value;
    DWORD size = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, &value.type,
                       nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, &value.type,
                       value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

void WriteUserValue(const std::string& key, const std::string& name, DWORD type,
                    const std::vector<std::uint8_t>& data) {
    win32::UniqueHkey opened;
    if (::RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), opened.put()) != ERROR_SUCCESS ||
        ::RegSetValueExA(opened.get(), name.c_str(), 0, type, data.data(),
                         static_cast<DWORD>(data.size())) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write " + key + "\\" + name);
    }
}

void DeleteUserValue(const std::string& key, const std::string& name) {
    win32::UniqueHkey opened;
    if (::RegOpenKeyA(HKEY_CURRENT_USER, key.c_str(), opened.put()) == ERROR_SUCCESS) {
        ::RegDeleteValueA(opened.get(), name.c_str());
    }
}

}  // namespace tal::test_support
