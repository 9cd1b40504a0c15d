#pragma once

#include "platform/AccessibilityFeatures.h"

namespace tal::win32 {

class Win32AccessibilityFeatures : public platform::AccessibilityFeatures {
public:
    std::optional<std::uint32_t> flags(platform::AccessibilityFeature feature) override;
    bool setFlags(platform::AccessibilityFeature feature, std::uint32_t flags) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::win32
