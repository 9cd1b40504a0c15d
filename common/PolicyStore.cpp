#include "common/PolicyStore.h"

#include <cstdint>

namespace tal {

namespace {

std::optional<std::string> Converted(const platform::RegistryValue& stored, SettingKind kind) {
    const auto& data = stored.data;
    switch (stored.type) {
        case platform::registry_type::text:
        case platform::registry_type::expandableText: {
            const std::string text(data.begin(), data.end());
            return text.substr(0, text.find('\0'));
        }
        case platform::registry_type::dword: {
            if (data.size() != 4) {
                return std::nullopt;
            }
            const std::uint32_t number =
                data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
            if (kind == SettingKind::seconds) {
                return std::to_string(number);
            }
            if (kind == SettingKind::flag && number <= 1) {
                return number == 1 ? "on" : "off";
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

std::optional<std::string> Read(platform::RegistryKey* key, const Setting& setting) {
    if (key == nullptr) {
        return std::nullopt;
    }
    const std::optional<platform::RegistryValue> stored = key->readValue(std::string(setting.key));
    if (!stored) {
        return std::nullopt;
    }
    return Converted(*stored, setting.kind);
}

}  // namespace

PolicyStore::PolicyStore(platform::Registry& registry)
    : machine_(registry.openMachineKey(std::string(policyKey))),
      user_(registry.openKey(std::string(policyKey))) {}

std::optional<std::string> PolicyStore::value(const Setting& setting) const {
    if (setting.kind == SettingKind::position) {
        return std::nullopt;
    }
    if (auto machine = Read(machine_.get(), setting)) {
        return machine;
    }
    return Read(user_.get(), setting);
}

}  // namespace tal
