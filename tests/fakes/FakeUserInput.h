#pragma once

#include "platform/UserInput.h"

namespace tal::fakes {

// The session's input times as a test sets them.
class FakeUserInput : public platform::UserInput {
public:
    platform::InputTimes times;

    platform::InputTimes inputTimes() override { return times; }
};

}  // namespace tal::fakes
