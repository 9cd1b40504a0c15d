#include "win32/Win32SystemVersion.h"

#include <windows.h>

// ntdll's, which the SDK's user-mode headers do not declare.
extern "C" NTSYSAPI LONG NTAPI RtlGetVersion(PRTL_OSVERSIONINFOW information);

namespace tal::win32 {

platform::WindowsVersion Win32SystemVersion::windowsVersion() {
    RTL_OSVERSIONINFOW information{};
    information.dwOSVersionInfoSize = sizeof information;
    if (::RtlGetVersion(&information) != 0) {
        return {};
    }
    return {information.dwMajorVersion, information.dwMinorVersion};
}

}  // namespace tal::win32
