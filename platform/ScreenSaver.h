#pragma once

namespace tal::platform {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;

    // SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING): a failed call reads as not running.
    virtual bool isRunning() = 0;
};

}  // namespace tal::platform
