#include "win32/Win32LogStorage.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "win32/TextConversion.h"
#include "win32/UniqueHandle.h"

namespace tal::win32 {

namespace {

class Win32AppendFile : public platform::AppendFile {
public:
    explicit Win32AppendFile(UniqueHandle file) : file_(std::move(file)) {}

    bool write(std::string_view bytes) override {
        DWORD written = 0;
        // With only FILE_APPEND_DATA the system puts every write at the end of the file as it is
        // then, so the lines of several processes never overlap.
        return ::WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) &&
               written == bytes.size();
    }

    std::optional<std::uint64_t> size() override {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(file_.get(), &size)) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    bool renameTo(const std::string& path) override {
        const std::wstring target = Utf8ToWide(path);
        const std::size_t nameBytes = target.size() * sizeof(wchar_t);
        // FILE_RENAME_INFO ends in a name of variable length; a vector of words keeps it aligned.
        std::vector<std::uint64_t> buffer(
            (sizeof(FILE_RENAME_INFO) + nameBytes + sizeof(std::uint64_t) - 1) /
            sizeof(std::uint64_t));
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        info->ReplaceIfExists = TRUE;
        info->RootDirectory = nullptr;
        info->FileNameLength = static_cast<DWORD>(nameBytes);
        std::memcpy(info->FileName, target.data(), nameBytes);
        return ::SetFileInformationByHandle(
                   file_.get(), FileRenameInfo, info,
                   static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t))) != FALSE;
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

std::unique_ptr<platform::AppendFile> Win32LogStorage::openForAppend(const std::string& path) {
    HANDLE file = ::CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA | DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32AppendFile>(UniqueHandle(file));
}

}  // namespace tal::win32
