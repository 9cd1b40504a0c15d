#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tal::platform {

// A log file opened for appending (CreateFileW with FILE_APPEND_DATA, shared for reading, writing
// and deleting, OPEN_ALWAYS) while this process holds the log's lock. Destroying it closes the
// handle and lets the lock go.
class AppendFile {
public:
    virtual ~AppendFile() = default;

    // One WriteFile of all the bytes: true when every byte was written.
    virtual bool write(std::string_view bytes) = 0;
    // GetFileSizeEx: nullopt when the call fails.
    virtual std::optional<std::uint64_t> size() = 0;
};

// What the event log needs of the file system. Paths are UTF-8 (they reach the wide API), so a
// folder name outside the ANSI code page still works.
class LogStorage {
public:
    virtual ~LogStorage() = default;

    // The folder of the running executable (GetModuleFileNameW), without a trailing "\" except
    // at a drive's root; empty when the call fails.
    virtual std::string programFolder() = 0;
    // GetEnvironmentVariableW: empty when the variable is not set.
    virtual std::string environmentVariable(const std::string& name) = 0;
    // CreateDirectoryW: true when the folder exists afterwards.
    virtual bool createDirectory(const std::string& path) = 0;
    // Takes the lock that the programs share for their log, then opens the file. Waits for the
    // lock only as long as another process needs to write one line (at most
    // `lockWaitMilliseconds`); null when the lock stays taken or the file cannot be opened.
    virtual std::unique_ptr<AppendFile> openForAppend(const std::string& path) = 0;
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;

    // Long enough for a writer that the system paused under load, short enough to stay
    // responsive when one froze while holding the lock.
    static constexpr std::uint32_t lockWaitMilliseconds = 1000;
};

}  // namespace tal::platform
