#include "tests/support/ProgramUnderTest.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "tests/support/Deadline.h"
#include "win32/TextConversion.h"

namespace tal::test_support {

ProgramUnderTest::ProgramUnderTest(const std::string& executable, const std::string* settings,
                                   const std::string& fileName) {
    const std::size_t slash = executable.find_last_of("\\/");
    executable_ = folder_.file(fileName.empty() ? executable.substr(slash + 1) : fileName);
    if (!::CopyFileA(executable.c_str(), executable_.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + executable);
    }
    if (settings != nullptr) {
        folder_.write("TAL.ini", *settings);
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_ && !hasExited(std::chrono::milliseconds(0))) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

void ProgramUnderTest::start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + executable_ + "\"";
    if (!::CreateProcessA(executable_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, folder_.path().c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + executable_);
    }
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
}

bool ProgramUnderTest::hasExited(std::chrono::milliseconds wait) const {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::exitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND ProgramUnderTest::findWindow(const std::string& title) const {
    struct Search {
        DWORD processId;
        std::wstring title;
        HWND found;
    } search{processId_, win32::Utf8ToWide(title), nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId || !::IsWindowVisible(window)) {
                return TRUE;
            }
            wchar_t text[512] = {};
            ::GetWindowTextW(window, text, 512);
            if (s.title == text) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::waitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                                     std::chrono::milliseconds step) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = findWindow(title)) != nullptr; }, timeout, step);
    return found;
}

std::string WindowsPathOf(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 5000, &length);
    text.resize(std::min<std::size_t>(length, text.size()));
    return win32::WideToUtf8(text);
}

void SaveScreenshot(const std::string& name) {
    SaveScreenshot(name, {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

void SaveScreenshot(const std::string& name, const RECT& part) {
    const char* folder = std::getenv("TAL_SCREENSHOT_DIR");
    if (folder == nullptr) {
        return;
    }
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, part.left, part.top, SRCCOPY);
    ::SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<DWORD>(height));
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace tal::test_support
