#pragma once

#include <chrono>
#include <functional>

namespace tal::test_support {

// Waits until `condition` holds or `timeout` has passed, dispatching this thread's window
// messages meanwhile and looking again every `step`. Returns whether the condition held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
             std::chrono::milliseconds step = std::chrono::milliseconds(20));

// Dispatches this thread's pending window messages for `duration`.
void PumpFor(std::chrono::milliseconds duration);

}  // namespace tal::test_support
