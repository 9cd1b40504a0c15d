#include "win32/Win32Process.h"

#include <windows.h>

#include <cwchar>
#include <memory>
#include <vector>

#include "win32/TextConversion.h"

namespace tal::win32 {

namespace {

// GetModuleFileNameA of the program, whatever its length.
std::string ModuleFileName() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string Win32Process::applicationPath() {
    const std::string file = ModuleFileName();
    const std::size_t slash = file.find_last_of('\\');
    if (slash == std::string::npos) {
        return file;
    }
    // A drive's root keeps its "\" ("C:\"); any other folder is given without it.
    return file.substr(0, slash == 2 && file[1] == ':' ? slash + 1 : slash);
}

std::string Win32Process::executableFileName() {
    const std::string file = ModuleFileName();
    return file.substr(file.find_last_of('\\') + 1);
}

std::string Win32Process::environmentEntry(std::size_t index) {
    struct FreeStrings {
        void operator()(wchar_t* block) const { ::FreeEnvironmentStringsW(block); }
    };
    const std::unique_ptr<wchar_t, FreeStrings> block(::GetEnvironmentStringsW());
    if (!block || index == 0) {
        return {};
    }
    std::size_t number = 0;
    for (const wchar_t* entry = block.get(); *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        // Entries of the drives' current folders ("=C:=C:\") are not variables.
        if (*entry == L'=') {
            continue;
        }
        if (++number == index) {
            return WideToAnsi(entry);
        }
    }
    return {};
}

std::uint32_t Win32Process::processId() {
    return ::GetCurrentProcessId();
}

}  // namespace tal::win32
