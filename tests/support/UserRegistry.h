#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tal::test_support {

struct StoredValue {
    DWORD type = 0;
    std::vector<std::uint8_t> data;
};

// Values under HKEY_CURRENT_USER, read and written around the programs under test.
std::optional<StoredValue> ReadUserValue(const std::string& key, const std::string& name);
void WriteUserValue(const std::string& key, const std::string& name, DWORD type,
                    const std::vector<std::uint8_t>& data);
void DeleteUserValue(const std::string& key, const std::string& name);

inline const std::string policyKey =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
inline const std::string toolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";

}  // namespace tal::test_support
