#pragma once

#include "platform/SessionSnapshot.h"

namespace tal::fakes {

class FakeSessionSnapshot : public platform::SessionSnapshot {
public:
    std::optional<std::vector<platform::WindowHandle>> windows;

    std::optional<std::vector<platform::WindowHandle>> published() override { return windows; }
    bool publish(const std::vector<platform::WindowHandle>& taken) override {
        const bool first = !windows;
        windows = windows.value_or(taken);
        return first;
    }
};

}  // namespace tal::fakes
