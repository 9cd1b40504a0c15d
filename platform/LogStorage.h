#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tal::platform {

// The log's lock, held: destroying it lets the lock go (ReleaseMutex).
class LogLock {
public:
    virtual ~LogLock() = default;
};

// The lock that the programs share for their log, a named mutex of the session.
class LogMutex {
public:
    virtual ~LogMutex() = default;

    // WaitForSingleObject for at most `waitMilliseconds`: null when another process holds the
    // lock that long. A lock whose last owner ended without letting it go is taken.
    virtual std::unique_ptr<LogLock> take(std::uint32_t waitMilliseconds) = 0;
};

// A log file opened for appending (CreateFileW with FILE_APPEND_DATA and FILE_READ_DATA, shared
// for reading, writing and deleting, OPEN_ALWAYS). Destroying it closes the handle.
class AppendFile {
public:
    virtual ~AppendFile() = default;

    // One WriteFile of the bytes at the end of the file: how many were written, fewer than given
    // when the disk is full or the call fails.
    virtual std::size_t write(std::string_view bytes) = 0;
    // GetFileSizeEx: nullopt when the call fails.
    virtual std::optional<std::uint64_t> size() = 0;
    // ReadFile of the file's last byte: nullopt when the file is empty or the read fails.
    virtual std::optional<char> lastByte() = 0;
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
    // CreateMutexExW of the log's lock, or opens it when another process made it first, with a
    // DACL that lets every process of this user, elevated or not, take it. Null when that fails:
    // another user's process made it with a DACL that keeps this user out.
    virtual std::unique_ptr<LogMutex> createLock() = 0;
    // Opens the file, null when that fails. Only while holding the lock: no other process then
    // writes or rotates the file.
    virtual std::unique_ptr<AppendFile> openForAppend(const std::string& path) = 0;
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
};

}  // namespace tal::platform
