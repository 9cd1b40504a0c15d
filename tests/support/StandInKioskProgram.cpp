// A TAL.exe that ends at once, as a kiosk that crashes on start would.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return 1;
}
