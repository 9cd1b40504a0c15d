#include "kiosk/AccessibilityHotkeys.h"

namespace tal {

namespace {

using platform::AccessibilityFeature;
namespace flag = platform::accessibility_flag;

constexpr AccessibilityFeature allFeatures[] = {
    AccessibilityFeature::stickyKeys, AccessibilityFeature::filterKeys,
    AccessibilityFeature::toggleKeys, AccessibilityFeature::highContrast,
    AccessibilityFeature::mouseKeys};

const char* FeatureName(AccessibilityFeature feature) {
    switch (feature) {
        case AccessibilityFeature::stickyKeys:
            return "StickyKeys";
        case AccessibilityFeature::filterKeys:
            return "FilterKeys";
        case AccessibilityFeature::toggleKeys:
            return "ToggleKeys";
        case AccessibilityFeature::highContrast:
            return "HighContrast";
        case AccessibilityFeature::mouseKeys:
            return "MouseKeys";
    }
    return "";
}

}  // namespace

void AccessibilityHotkeys::switchOff() {
    for (const AccessibilityFeature feature : allFeatures) {
        const std::optional<std::uint32_t> flags = features_.flags(feature);
        if (!flags) {
            logFailure(feature, "read");
            continue;
        }
        if ((*flags & flag::on) != 0 || (*flags & flag::hotkeyActive) == 0) {
            continue;
        }
        if (!features_.setFlags(feature, *flags & ~(flag::hotkeyActive | flag::confirmHotkey))) {
            logFailure(feature, "switch-off");
            continue;
        }
        changed_.push_back({feature, *flags});
    }
}

void AccessibilityHotkeys::restore() {
    for (const Changed& changed : changed_) {
        if (!features_.setFlags(changed.feature, changed.flags)) {
            logFailure(changed.feature, "restore");
        }
    }
    changed_.clear();
}

void AccessibilityHotkeys::logFailure(AccessibilityFeature feature, const char* step) {
    log_.write(
        "hotkey-failed",
        {{"feature", FeatureName(feature)}, {"step", step}, {"error", features_.lastError()}});
}

}  // namespace tal
