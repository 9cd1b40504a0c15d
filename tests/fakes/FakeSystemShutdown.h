#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/SystemShutdown.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// Records every request as "ExitWindowsEx <flags>", with " SeShutdownPrivilege" when the
// privilege is to be switched on first; refuses each one with `failure` when that is set. Never
// shuts anything down.
class FakeSystemShutdown : public platform::SystemShutdown {
public:
    explicit FakeSystemShutdown(CallLog& log) : log_(log) {}

    std::optional<std::uint32_t> failure;

    std::optional<std::uint32_t> powerOff(std::uint32_t flags, bool enablePrivilege) override {
        log_.add("ExitWindowsEx " + std::to_string(flags) +
                 (enablePrivilege ? " SeShutdownPrivilege" : ""));
        return failure;
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
