#pragma once

#include <cstdint>

namespace tal {

// The start-up wait in milliseconds for a WaitToStart of `seconds`: rounded to the nearest
// whole millisecond with halves to even; a negative or not-a-number value waits 0 ms and a value
// beyond the 32-bit range waits the longest time that fits.
std::int32_t StartDelayMilliseconds(double seconds);

}  // namespace tal
