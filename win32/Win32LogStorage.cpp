#include "win32/Win32LogStorage.h"

#include <windows.h>

#include <vector>

#include "win32/TextConversion.h"
#include "win32/UniqueHandle.h"
#include "win32/UserOnlySecurity.h"

namespace tal::win32 {

namespace {

// Gives up a mutex that this thread owns.
using MutexOwnership = UniqueAny<HANDLE, &::ReleaseMutex>;

class Win32LogLock : public platform::LogLock {
public:
    explicit Win32LogLock(HANDLE mutex) : owned_(mutex) {}

private:
    MutexOwnership owned_;
};

class Win32LogMutex : public platform::LogMutex {
public:
    explicit Win32LogMutex(UniqueHandle mutex) : mutex_(std::move(mutex)) {}

    std::unique_ptr<platform::LogLock> take(std::uint32_t waitMilliseconds) override {
        const DWORD waited = ::WaitForSingleObject(mutex_.get(), waitMilliseconds);
        // An abandoned lock is this process's now: its last owner ended between two calls.
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            return nullptr;
        }
        return std::make_unique<Win32LogLock>(mutex_.get());
    }

private:
    UniqueHandle mutex_;
};

class Win32AppendFile : public platform::AppendFile {
public:
    explicit Win32AppendFile(UniqueHandle file) : file_(std::move(file)) {}

    std::size_t write(std::string_view bytes) override {
        DWORD written = 0;
        ::WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return written;
    }

    std::optional<std::uint64_t> size() override {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(file_.get(), &size)) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::optional<char> lastByte() override {
        const auto end = size();
        if (!end || *end == 0) {
            return std::nullopt;
        }
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(*end - 1);
        at.OffsetHigh = static_cast<DWORD>((*end - 1) >> 32);
        char byte = 0;
        DWORD read = 0;
        if (!::ReadFile(file_.get(), &byte, 1, &read, &at) || read != 1) {
            return std::nullopt;
        }
        return byte;
    }

private:
    UniqueHandle file_;
};

}  // namespace

std::string Win32LogStorage::programFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            std::wstring file(path.data(), length);
            const std::size_t slash = file.find_last_of(L'\\');
            if (slash == std::wstring::npos) {
                return {};
            }
            // A drive's root keeps its "\".
            return WideToUtf8(file.substr(0, slash == 2 && file[1] == L':' ? slash + 1 : slash));
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32LogStorage::environmentVariable(const std::string& name) {
    const std::wstring wideName = Utf8ToWide(name);
    const DWORD size = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    return WideToUtf8(value);
}

bool Win32LogStorage::createDirectory(const std::string& path) {
    const std::wstring folder = Utf8ToWide(path);
    if (::CreateDirectoryW(folder.c_str(), nullptr)) {
        return true;
    }
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::unique_ptr<platform::LogMutex> Win32LogStorage::createLock() {
    // Full access for the user, so that an older version of a program, which asks for all of it,
    // still opens the lock; this handle needs only to wait and release.
    UserOnlySecurity security(MUTEX_ALL_ACCESS);
    UniqueHandle mutex(
        ::CreateMutexExW(security.attributes(), lockName, 0, SYNCHRONIZE | MUTEX_MODIFY_STATE));
    if (!mutex) {
        return nullptr;
    }
    return std::make_unique<Win32LogMutex>(std::move(mutex));
}

std::unique_ptr<platform::AppendFile> Win32LogStorage::openForAppend(const std::string& path) {
    // Windows alone would keep the lines of several processes apart (an append-only handle writes
    // at the end of the file as it is then), but Wine writes where the end was a moment before,
    // and a rotation must not come between another process's line and its size check: hence the
    // lock around every open.
    HANDLE file = ::CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA | FILE_READ_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32AppendFile>(UniqueHandle(file));
}

bool Win32LogStorage::moveFile(const std::string& from, const std::string& to) {
    return ::MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace tal::win32
