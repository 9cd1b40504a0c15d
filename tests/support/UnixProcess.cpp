#include "tests/support/UnixProcess.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace tal::test_support {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<int> LinuxProcessOf(const std::string& pathEnd) {
    const std::string wanted = Lower(pathEnd);
    std::optional<int> found;
    WIN32_FIND_DATAA entry{};
    HANDLE search = ::FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    do {
        const std::string name = entry.cFileName;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream in("Z:\\proc\\" + name + "\\cmdline", std::ios::binary);
        const std::string commandLine{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        const std::string program = Lower(commandLine.substr(0, commandLine.find('\0')));
        if (program.ends_with(wanted)) {
            if (found) {
                found.reset();
                break;
            }
            found = std::stoi(name);
        }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return found;
}

bool SendLinuxSignal(int linuxProcess, const std::string& signal) {
    std::string commandLine = "Z:\\bin\\kill -" + signal + " " + std::to_string(linuxProcess);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}

}  // namespace tal::test_support
