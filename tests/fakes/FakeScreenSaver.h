#pragma once

#include "platform/ScreenSaver.h"

namespace tal::fakes {

class FakeScreenSaver : public platform::ScreenSaver {
public:
    bool running = false;
    bool isRunning() override { return running; }
};

}  // namespace tal::fakes
