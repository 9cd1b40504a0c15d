#pragma once

#include <cstdint>

namespace tal::platform {

// A top-level window as the system names it. Enumerated windows are plain values, never owned.
using WindowHandle = std::uintptr_t;
// A window's system menu, as GetSystemMenu hands it out; owned by its window.
using MenuHandle = std::uintptr_t;
// A kernel object (a process, an event), owned by the object that hands it out.
using ObjectHandle = std::uintptr_t;

}  // namespace tal::platform
