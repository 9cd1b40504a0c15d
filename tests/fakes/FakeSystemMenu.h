#pragma once

#include <cstdint>
#include <string>

#include "platform/SystemMenu.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

class FakeSystemMenu : public platform::SystemMenu {
public:
    explicit FakeSystemMenu(CallLog& log) : log_(log) {}

    // The menu handle that GetSystemMenu hands out for `window`: one per window, as the system's.
    static platform::MenuHandle menuOf(platform::WindowHandle window) { return window + 1; }

    platform::MenuHandle getSystemMenu(platform::WindowHandle window, bool revert) override {
        log_.add("GetSystemMenu " + std::to_string(window) + (revert ? " revert" : ""));
        return menuOf(window);
    }
    bool deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                    std::uint32_t flags) override {
        log_.add("DeleteMenu " + std::to_string(menu) + " " + std::to_string(position) + " " +
                 std::to_string(flags));
        return true;
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
