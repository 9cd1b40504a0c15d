#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tal::platform {

// The running program's own process.
class Process {
public:
    virtual ~Process() = default;

    // The folder of the executable, in the ANSI code page, as the system gives it (it ends in "\"
    // only at a drive's root).
    virtual std::string applicationPath() = 0;
    // The executable's own file name, without its folder ("TAL.exe").
    virtual std::string executableFileName() = 0;
    // Entry `index` of the environment block ("NAME=value"), counted from 1; empty past the end.
    virtual std::string environmentEntry(std::size_t index) = 0;
    virtual std::uint32_t processId() = 0;
};

}  // namespace tal::platform
