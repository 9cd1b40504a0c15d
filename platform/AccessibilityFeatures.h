#pragma once

#include <cstdint>
#include <optional>

namespace tal::platform {

// The accessibility features whose hotkeys open a dialog.
enum class AccessibilityFeature { stickyKeys, filterKeys, toggleKeys, highContrast, mouseKeys };

// The dwFlags bits that the five features' structures share (SKF_, FKF_, TKF_, HCF_, MKF_).
namespace accessibility_flag {
inline constexpr std::uint32_t on = 0x1;
inline constexpr std::uint32_t hotkeyActive = 0x4;
inline constexpr std::uint32_t confirmHotkey = 0x8;
}  // namespace accessibility_flag

// SystemParametersInfoW with STICKYKEYS, FILTERKEYS, TOGGLEKEYS, HIGHCONTRASTW and MOUSEKEYS.
class AccessibilityFeatures {
public:
    virtual ~AccessibilityFeatures() = default;

    // SPI_GET...: the feature's dwFlags, or nothing when the call failed.
    virtual std::optional<std::uint32_t> flags(AccessibilityFeature feature) = 0;
    // SPI_GET... then SPI_SET... with the other members as read and these dwFlags, for the
    // session only: never with SPIF_UPDATEINIFILE, so nothing is stored in the user's profile.
    virtual bool setFlags(AccessibilityFeature feature, std::uint32_t flags) = 0;
    // GetLastError right after the call that failed last.
    virtual std::uint32_t lastError() = 0;
};

}  // namespace tal::platform
