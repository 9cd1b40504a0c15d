#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tal::platform {

// A file opened for appending (CreateFileW with FILE_APPEND_DATA and DELETE access, shared for
// reading, writing and deleting, OPEN_ALWAYS). Destroying it closes the handle.
class AppendFile {
public:
    virtual ~AppendFile() = default;

    // One WriteFile of all the bytes: true when every byte was written.
    virtual bool write(std::string_view bytes) = 0;
    // GetFileSizeEx: nullopt when the call fails.
    virtual std::optional<std::uint64_t> size() = 0;
    // SetFileInformationByHandle(FileRenameInfo) replacing `path`: renames the very file this
    // handle wrote to, wherever another process may have moved it meanwhile.
    virtual bool renameTo(const std::string& path) = 0;
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
    // Null when the file cannot be opened.
    virtual std::unique_ptr<AppendFile> openForAppend(const std::string& path) = 0;
};

}  // namespace tal::platform
