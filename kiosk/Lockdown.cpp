#include "kiosk/Lockdown.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/LockdownValues.h"
#include "common/TaskBarWindows.h"

namespace tal {

void HideTaskBar(platform::Desktop& desktop, platform::SystemVersion& system) {
    for (const platform::WindowHandle window : TaskBarWindows(desktop, system)) {
        desktop.showWindow(window, platform::show_command::hide);
    }
}

namespace {

std::vector<std::uint8_t> Dword(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

void SetDword(platform::Registry& registry, std::string_view keyPath, const std::string& name,
              std::uint32_t value) {
    if (const auto key = registry.createKey(std::string(keyPath))) {
        key->setValue(name, platform::registry_type::dword, Dword(value));
    }
}

constexpr std::string_view featureControlKey =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\";
// The newest document mode, whatever the page declares.
constexpr std::uint32_t newestDocumentMode = 11001;

}  // namespace

void DisableBrowserContextMenu(platform::Registry& registry) {
    SetDword(registry, lockdown::contextMenuPolicyKey,
             std::string(lockdown::contextMenuPolicyValue), 1);
}

void DisableTaskManager(platform::Registry& registry) {
    SetDword(registry, lockdown::systemPolicyKey, std::string(lockdown::taskManagerPolicyValue), 1);
}

void EnableModernRendering(platform::Registry& registry, const std::string& executableFileName) {
    SetDword(registry, std::string(featureControlKey) + "FEATURE_BROWSER_EMULATION",
             executableFileName, newestDocumentMode);
    SetDword(registry, std::string(featureControlKey) + "FEATURE_GPU_RENDERING", executableFileName,
             1);
}

namespace {

// The stored layout: a missing or unreadable value reads as zeros, a shorter one is extended
// with zeros, and a longer one keeps all of its bytes.
std::vector<std::uint8_t> ReadToolbarLayout(platform::Registry& registry) {
    std::vector<std::uint8_t> layout(lockdown::toolbarLayoutSize, 0);
    const auto key = registry.openKey(std::string(lockdown::toolbarLayoutKey));
    if (!key) {
        return layout;
    }
    std::optional<platform::RegistryValue> stored =
        key->readValue(std::string(lockdown::toolbarLayoutValue));
    if (!stored) {
        return layout;
    }
    if (stored->data.size() > layout.size()) {
        return std::move(stored->data);
    }
    std::copy(stored->data.begin(), stored->data.end(), layout.begin());
    return layout;
}

}  // namespace

void HideBrowserToolbar(platform::Registry& registry) {
    std::vector<std::uint8_t> layout = ReadToolbarLayout(registry);
    layout[lockdown::toolbarVisibleByte] = 0;
    if (const auto key = registry.createKey(std::string(lockdown::toolbarLayoutKey))) {
        key->setValue(std::string(lockdown::toolbarLayoutValue), platform::registry_type::binary,
                      layout);
    }
}

}  // namespace tal
