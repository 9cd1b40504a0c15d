#pragma once

#include <string>
#include <vector>

#include "platform/ScreenCover.h"
#include "tests/fakes/FakeClock.h"

namespace tal::fakes {

// Records each show and hide with the fake clock's whole second, as "36 hide".
class FakeScreenCover : public platform::ScreenCover {
public:
    explicit FakeScreenCover(FakeClock& clock) : clock_(clock) {}

    std::vector<std::string> calls;

    void show() override { calls.push_back(std::to_string(clock_.now / 1000) + " show"); }
    void hide() override { calls.push_back(std::to_string(clock_.now / 1000) + " hide"); }

private:
    FakeClock& clock_;
};

}  // namespace tal::fakes
