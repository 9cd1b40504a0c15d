// A second process for the window-guard suite: opens the windows named on its command line and
// writes to a log file what happens to them. Arguments: the log file, then for each window
// "class|title|visible" (visible is 1 or 0).
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::ofstream* logFile = nullptr;

std::string Title(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, 256);
    return text;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        *logFile << "close " << Title(window) << std::endl;
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    std::ofstream out(argv[1], std::ios::app);
    logFile = &out;
    for (int i = 2; i < argc; ++i) {
        const std::string description = argv[i];
        const std::size_t first = description.find('|');
        const std::size_t second = description.find('|', first + 1);
        const std::string className = description.substr(0, first);
        const std::string title = description.substr(first + 1, second - first - 1);
        const bool visible = description.substr(second + 1) == "1";
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className.c_str();
        ::RegisterClassA(&windowClass);
        ::CreateWindowExA(0, className.c_str(), title.c_str(),
                          WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10, 200, 100,
                          nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    out << "ready" << std::endl;
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&message);
    }
    out << "quit" << std::endl;
    return 0;
}
