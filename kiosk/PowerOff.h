#pragma once

#include <cstdint>
#include <optional>

#include "platform/MessageBoxes.h"
#include "platform/Process.h"
#include "platform/SystemShutdown.h"

namespace tal::power_off {

// Shut down and switch off without asking programs.
inline constexpr std::uint32_t powerOffFlags = platform::exit_windows::shutdown |
                                               platform::exit_windows::force |
                                               platform::exit_windows::powerOff;

// Whether the environment has a variable named OS (in any letter case).
bool IsNtFamily(platform::Process& process);

// Asks the system to shut down with `flags`, enabling the shutdown privilege first on the NT
// family. A refusal shows its error code in a message box and gives it; nothing when the system
// took the request.
std::optional<std::uint32_t> ShutdownSystem(std::uint32_t flags, platform::SystemShutdown& system,
                                            platform::Process& process,
                                            platform::MessageBoxes& messageBoxes);

}  // namespace tal::power_off
