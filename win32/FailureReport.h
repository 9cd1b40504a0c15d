#pragma once

#include <functional>

namespace tal::win32 {

// Runs a program's body and returns its exit code. An exception that escapes the body is shown in
// one error box titled "エラー" and the program's exit code is then 1.
int RunReportingFailures(const std::function<int()>& body) noexcept;

}  // namespace tal::win32
