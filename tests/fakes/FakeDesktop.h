#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

struct FakeWindow {
    platform::WindowHandle handle = 0;
    std::string title;
    std::string className;
    bool visible = true;
    std::uint32_t processId = 0;
};

struct PostedMessage {
    platform::WindowHandle window = 0;
    std::uint32_t message = 0;
    friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

// Top-level windows in z-order, top first. Like the system, the title search ignores letter case
// and finds hidden windows; reads of a window that is gone give empty text.
class FakeDesktop : public platform::Desktop {
public:
    explicit FakeDesktop(CallLog& log) : log_(log) {}

    // Adds a window below the existing ones and returns its handle.
    platform::WindowHandle addWindow(FakeWindow window);
    // Adds a window above all others.
    platform::WindowHandle addWindowOnTop(FakeWindow window);
    void removeWindow(platform::WindowHandle handle);
    FakeWindow* window(platform::WindowHandle handle);

    const std::vector<PostedMessage>& posted() const { return posted_; }
    void clearPosted() { posted_.clear(); }

    // Runs before each enumeration starts, with the number of enumerations before it; lets a
    // test open or close windows between two passes.
    std::function<void(int)> beforeEnumeration;

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

private:
    CallLog& log_;
    std::vector<FakeWindow> windows_;
    std::vector<PostedMessage> posted_;
    platform::WindowHandle nextHandle_ = 0x10010;
    int enumerations_ = 0;
};

}  // namespace tal::fakes
