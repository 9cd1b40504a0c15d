#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Registry.h"
#include "tests/fakes/CallLog.h"
#include "tests/fakes/CaseInsensitive.h"

namespace tal::fakes {

// HKEY_CURRENT_USER in memory, and HKEY_LOCAL_MACHINE as the keys under "HKLM\\". Key paths and
// value names match without regard to letter case.
class FakeRegistry : public platform::Registry {
public:
    explicit FakeRegistry(CallLog& log) : log_(log) {}

    void createKeyDirectly(const std::string& path);
    void setValueDirectly(const std::string& path, const std::string& name,
                          platform::RegistryValue value);
    bool keyExists(const std::string& path) const { return keys_.contains(path); }
    std::optional<platform::RegistryValue> value(const std::string& path,
                                                 const std::string& name) const;
    // Keys that are open now: every open key must be closed again.
    int openKeys() const { return openKeys_; }

    // Make the named operation fail: "RegCreateKey", "RegOpenKey", "RegQueryValueEx",
    // "RegSetValueEx", "RegDeleteValue", "RegOpenKeyEx" or "RegDeleteTree".
    void fail(const std::string& operation) { failing_[operation] = true; }

    std::unique_ptr<platform::RegistryKey> createKey(const std::string& path) override;
    std::unique_ptr<platform::RegistryKey> openKey(const std::string& path) override;
    std::unique_ptr<platform::RegistryKey> openMachineKey(const std::string& path) override;
    long deleteKeyTree(const std::string& path) override;

private:
    class Key;
    using Values = std::map<std::string, platform::RegistryValue, CaseInsensitiveLess>;

    bool failing(const std::string& operation) const { return failing_.contains(operation); }

    CallLog& log_;
    std::map<std::string, Values, CaseInsensitiveLess> keys_;
    std::map<std::string, bool> failing_;
    int openKeys_ = 0;
};

}  // namespace tal::fakes
