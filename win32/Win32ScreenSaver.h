#pragma once

#include "platform/ScreenSaver.h"

namespace tal::win32 {

class Win32ScreenSaver : public platform::ScreenSaver {
public:
    bool isRunning() override;
};

}  // namespace tal::win32
