#pragma once

#include <chrono>
#include <functional>

namespace tal::test_support {

// Waits until `condition` holds or `timeout` has passed, dispatching this thread's window
// messages meanwhile. Returns whether the condition held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Dispatches this thread's pending window messages for `duration`.
void PumpFor(std::chrono::milliseconds duration);

}  // namespace tal::test_support
