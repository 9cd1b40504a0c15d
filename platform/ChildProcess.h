#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace tal::platform {

// A process this program started. Destroying it closes the handles, not the process.
class ChildProcess {
public:
    virtual ~ChildProcess() = default;

    virtual std::uint32_t processId() = 0;
    // The process handle, for waiting on it; owned by this object.
    virtual ObjectHandle handle() = 0;
    // GetExitCodeProcess: nullopt while the process runs.
    virtual std::optional<std::uint32_t> exitCode() = 0;
    // TerminateProcess; false when it failed, lastError() then gives the error code.
    virtual bool terminate(std::uint32_t exitCode) = 0;
    virtual std::uint32_t lastError() = 0;
};

// Starts processes (CreateProcessW). Paths are in the ANSI code page, like the settings file's.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // Starts `executable` with `folder` as its current folder. Null when the call fails;
    // lastError() then gives the error code.
    virtual std::unique_ptr<ChildProcess> createProcess(const std::string& executable,
                                                        const std::string& folder) = 0;
    virtual std::uint32_t lastError() = 0;
};

}  // namespace tal::platform
