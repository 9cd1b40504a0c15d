#include "kiosk/Lockdown.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/LockdownValues.h"

namespace tal {

void HideTaskBar(platform::Desktop& desktop) {
    // The taskbar has an empty title: "" names it, where a null name would match any title.
    const platform::WindowHandle taskBar =
        desktop.findWindow(std::string(lockdown::taskBarClass), std::string());
    desktop.showWindow(taskBar, platform::show_command::hide);
}

void DisableBrowserContextMenu(platform::Registry& registry) {
    if (const auto key = registry.createKey(std::string(lockdown::contextMenuPolicyKey))) {
        key->setValue(std::string(lockdown::contextMenuPolicyValue), platform::registry_type::dword,
                      {1, 0, 0, 0});
    }
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
    const std::string name(lockdown::toolbarLayoutValue);
    platform::RegistryQueryResult stored = key->queryValue(name, lockdown::toolbarLayoutSize);
    if (stored.status == platform::registry_status::moreData) {
        stored = key->queryValue(name, stored.size);
    }
    if (stored.status != platform::registry_status::success) {
        return layout;
    }
    if (stored.data.size() > layout.size()) {
        return stored.data;
    }
    std::copy(stored.data.begin(), stored.data.end(), layout.begin());
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
