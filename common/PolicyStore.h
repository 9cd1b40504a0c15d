#pragma once

#include <memory>
#include <optional>
#include <string>

#include "common/Settings.h"
#include "platform/Registry.h"

namespace tal {

// The registry keys under which Group Policy sets the settings, in both hives.
inline constexpr std::string_view policyKey = "SOFTWARE\\Policies\\TAL";

// The settings that Group Policy manages: a value under HKEY_LOCAL_MACHINE wins over one under
// HKEY_CURRENT_USER, and either wins over the settings file. Values are text (REG_SZ, and
// REG_EXPAND_SZ taken as it stands); a REG_DWORD counts for flags (0 off, 1 on) and seconds.
// Anything else, and a key that cannot be opened, is as if no policy were set.
class PolicyStore {
public:
    // Opens both keys once: every setting is looked up in them at start-up.
    explicit PolicyStore(platform::Registry& registry);

    std::optional<std::string> value(const Setting& setting) const;

private:
    std::unique_ptr<platform::RegistryKey> machine_;
    std::unique_ptr<platform::RegistryKey> user_;
};

}  // namespace tal
