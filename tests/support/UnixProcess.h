#pragma once

#include <optional>
#include <string>

namespace tal::test_support {

// Wine runs each Windows process as a Linux process, whose command line starts with the program's
// Windows path. The Linux process id of the one program whose path ends in `pathEnd` (letter case
// ignored), read from /proc through drive Z:; nothing when there is no such process or more than
// one.
std::optional<int> LinuxProcessOf(const std::string& pathEnd);

// Runs Linux's kill with the signal ("KILL", "STOP", "CONT"). True when kill could be started; it
// acts within milliseconds, but Wine gives no handle to wait for a Linux program with.
bool SendLinuxSignal(int linuxProcess, const std::string& signal);

}  // namespace tal::test_support
