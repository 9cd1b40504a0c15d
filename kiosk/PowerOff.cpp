#include "kiosk/PowerOff.h"

#include <string>

#include "common/Flags.h"

namespace tal::power_off {

bool IsNtFamily(platform::Process& process) {
    for (std::size_t index = 1;; ++index) {
        const std::string entry = process.environmentEntry(index);
        if (LowerCase(entry.substr(0, 3)) == "os=") {
            return true;
        }
        if (entry.empty()) {
            return false;
        }
    }
}

std::optional<std::uint32_t> ShutdownSystem(std::uint32_t flags, platform::SystemShutdown& system,
                                            platform::Process& process,
                                            platform::MessageBoxes& messageBoxes) {
    const std::optional<std::uint32_t> error = system.powerOff(flags, IsNtFamily(process));
    if (error) {
        messageBoxes.show(std::to_string(*error), "TAL", platform::message_box_style::okOnly);
    }
    return error;
}

}  // namespace tal::power_off
