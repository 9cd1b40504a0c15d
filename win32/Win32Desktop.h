#pragma once

#include "platform/Desktop.h"

namespace tal::win32 {

class Win32Desktop : public platform::Desktop {
public:
    platform::WindowHandle findWindow(const std::optional<std::string>& className,
                                      const std::optional<std::string>& windowName) override;
    void showWindow(platform::WindowHandle window, int command) override;
    void setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x,
                      int y, int width, int height, std::uint32_t flags) override;
    void enumWindows(const std::function<bool(platform::WindowHandle)>& visit) override;
    std::size_t getWindowTextLength(platform::WindowHandle window) override;
    std::string getWindowText(platform::WindowHandle window, std::size_t maxCount) override;
    bool isWindowVisible(platform::WindowHandle window) override;
    std::string getClassName(platform::WindowHandle window, std::size_t maxCount) override;
    std::uint32_t windowProcessId(platform::WindowHandle window) override;
    void postMessage(platform::WindowHandle window, std::uint32_t message) override;
};

}  // namespace tal::win32
