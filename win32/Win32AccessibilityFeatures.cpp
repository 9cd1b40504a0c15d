#include "win32/Win32AccessibilityFeatures.h"

#include <windows.h>

namespace tal::win32 {

namespace {

using platform::AccessibilityFeature;

// Calls SystemParametersInfoW with one feature's structure; `error` takes GetLastError on failure.
template <typename Settings>
bool Call(UINT action, Settings& settings, std::uint32_t& error) {
    settings.cbSize = sizeof settings;
    // No SPIF_UPDATEINIFILE: the user's stored settings stay as they are.
    if (::SystemParametersInfoW(action, sizeof settings, &settings, 0) == FALSE) {
        error = ::GetLastError();
        return false;
    }
    return true;
}

// The structure and the two actions of a feature, handed to `use`.
template <typename Use>
auto WithFeature(AccessibilityFeature feature, Use&& use) {
    switch (feature) {
        case AccessibilityFeature::stickyKeys:
            return use(STICKYKEYS{}, SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS);
        case AccessibilityFeature::filterKeys:
            return use(FILTERKEYS{}, SPI_GETFILTERKEYS, SPI_SETFILTERKEYS);
        case AccessibilityFeature::toggleKeys:
            return use(TOGGLEKEYS{}, SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS);
        case AccessibilityFeature::highContrast:
            return use(HIGHCONTRASTW{}, SPI_GETHIGHCONTRAST, SPI_SETHIGHCONTRAST);
        case AccessibilityFeature::mouseKeys:
            break;
    }
    return use(MOUSEKEYS{}, SPI_GETMOUSEKEYS, SPI_SETMOUSEKEYS);
}

}  // namespace

std::optional<std::uint32_t> Win32AccessibilityFeatures::flags(AccessibilityFeature feature) {
    return WithFeature(feature, [this](auto settings, UINT get, UINT) {
        return Call(get, settings, lastError_) ? std::optional<std::uint32_t>(settings.dwFlags)
                                               : std::nullopt;
    });
}

bool Win32AccessibilityFeatures::setFlags(AccessibilityFeature feature, std::uint32_t flags) {
    return WithFeature(feature, [this, flags](auto settings, UINT get, UINT set) {
        if (!Call(get, settings, lastError_)) {
            return false;
        }
        settings.dwFlags = flags;
        return Call(set, settings, lastError_);
    });
}

}  // namespace tal::win32
