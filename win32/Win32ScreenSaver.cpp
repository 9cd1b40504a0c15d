#include "win32/Win32ScreenSaver.h"

#include <windows.h>

namespace tal::win32 {

bool Win32ScreenSaver::isRunning() {
    BOOL running = FALSE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

}  // namespace tal::win32
