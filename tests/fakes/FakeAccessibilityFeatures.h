#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "platform/AccessibilityFeatures.h"

namespace tal::fakes {

// Each feature's flags as the session has them; reads or writes can be told to fail.
class FakeAccessibilityFeatures : public platform::AccessibilityFeatures {
public:
    std::map<platform::AccessibilityFeature, std::uint32_t> stored;
    bool readFails = false;
    bool writeFails = false;

    std::optional<std::uint32_t> flags(platform::AccessibilityFeature feature) override {
        return readFails ? std::nullopt : std::optional<std::uint32_t>(stored[feature]);
    }
    bool setFlags(platform::AccessibilityFeature feature, std::uint32_t flags) override {
        if (!writeFails) {
            stored[feature] = flags;
        }
        return !writeFails;
    }
    // What Wine answers.
    std::uint32_t lastError() override { return 1439; }
};

}  // namespace tal::fakes
