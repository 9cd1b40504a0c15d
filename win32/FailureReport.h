#pragma once

#include <functional>
#include <string>

namespace tal::win32 {

// Runs a program's body and returns its exit code. An exception that escapes the body is handed
// to `record` (for the event log), then shown in one error box titled "エラー", and the program's
// exit code is then `failureCode`.
int RunReportingFailures(const std::function<int()>& body,
                         const std::function<void(const std::string& text)>& record = {},
                         int failureCode = 1) noexcept;

}  // namespace tal::win32
