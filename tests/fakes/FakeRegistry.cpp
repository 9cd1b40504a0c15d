#include "tests/fakes/FakeRegistry.h"

namespace tal::fakes {

class FakeRegistry::Key : public platform::RegistryKey {
public:
    Key(FakeRegistry& registry, std::string path) : registry_(registry), path_(std::move(path)) {
        ++registry_.openKeys_;
    }
    ~Key() override {
        registry_.log_.add("RegCloseKey " + path_);
        --registry_.openKeys_;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    std::optional<platform::RegistryValue> readValue(const std::string& name) override {
        registry_.log_.add("RegQueryValueEx " + name);
        const auto& values = registry_.keys_[path_];
        const auto found = values.find(name);
        if (registry_.failing("RegQueryValueEx") || found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    long setValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        registry_.log_.add("RegSetValueEx " + name + " " + std::to_string(type) + " " +
                           std::to_string(data.size()));
        if (registry_.failing("RegSetValueEx")) {
            return 5;  // access denied
        }
        registry_.keys_[path_][name] = platform::RegistryValue{type, data};
        return platform::registry_status::success;
    }

    long deleteValue(const std::string& name) override {
        registry_.log_.add("RegDeleteValue " + name);
        if (registry_.failing("RegDeleteValue")) {
            return 5;
        }
        return registry_.keys_[path_].erase(name) > 0 ? platform::registry_status::success
                                                      : platform::registry_status::fileNotFound;
    }

private:
    FakeRegistry& registry_;
    std::string path_;
};

void FakeRegistry::createKeyDirectly(const std::string& path) {
    keys_[path];
}

void FakeRegistry::setValueDirectly(const std::string& path, const std::string& name,
                                    platform::RegistryValue value) {
    keys_[path][name] = std::move(value);
}

std::optional<platform::RegistryValue> FakeRegistry::value(const std::string& path,
                                                           const std::string& name) const {
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto found = key->second.find(name);
    if (found == key->second.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::createKey(const std::string& path) {
    log_.add("RegCreateKey " + path);
    if (failing("RegCreateKey")) {
        return nullptr;
    }
    keys_[path];
    return std::make_unique<Key>(*this, path);
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::openKey(const std::string& path) {
    log_.add("RegOpenKey " + path);
    if (failing("RegOpenKey") || !keys_.contains(path)) {
        return nullptr;
    }
    return std::make_unique<Key>(*this, path);
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::openMachineKey(const std::string& path) {
    log_.add("RegOpenKeyEx HKLM\\" + path);
    const std::string machinePath = "HKLM\\" + path;
    if (failing("RegOpenKeyEx") || !keys_.contains(machinePath)) {
        return nullptr;
    }
    return std::make_unique<Key>(*this, machinePath);
}

long FakeRegistry::deleteKeyTree(const std::string& path) {
    log_.add("RegDeleteTree " + path);
    if (failing("RegDeleteTree")) {
        return 5;
    }
    const std::size_t erased = std::erase_if(keys_, [&](const auto& key) {
        return EqualIgnoringCase(std::string_view(key.first).substr(0, path.size()), path) &&
               (key.first.size() == path.size() || key.first[path.size()] == '\\');
    });
    return erased > 0 ? platform::registry_status::success
                      : platform::registry_status::fileNotFound;
}

}  // namespace tal::fakes
