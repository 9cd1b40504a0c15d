#pragma once

#include "platform/Desktop.h"

namespace tal::Module1 {

// Hides the taskbar window; does nothing when there is none.
void HideTaskBar(platform::Desktop& desktop);

}  // namespace tal::Module1
