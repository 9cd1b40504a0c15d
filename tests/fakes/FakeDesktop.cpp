#include "tests/fakes/FakeDesktop.h"

#include <algorithm>

#include "tests/fakes/CaseInsensitive.h"

namespace tal::fakes {

namespace {

std::string Cut(const std::string& text, std::size_t maxCount) {
    return maxCount == 0 ? std::string{} : text.substr(0, std::min(text.size(), maxCount - 1));
}

}  // namespace

platform::WindowHandle FakeDesktop::addWindow(FakeWindow window) {
    if (window.handle == 0) {
        window.handle = nextHandle_;
        nextHandle_ += 0x10;
    }
    windows_.push_back(std::move(window));
    return windows_.back().handle;
}

platform::WindowHandle FakeDesktop::addWindowOnTop(FakeWindow window) {
    const platform::WindowHandle handle = addWindow(std::move(window));
    std::rotate(windows_.begin(), windows_.end() - 1, windows_.end());
    return handle;
}

void FakeDesktop::removeWindow(platform::WindowHandle handle) {
    std::erase_if(windows_, [&](const FakeWindow& w) { return w.handle == handle; });
}

FakeWindow* FakeDesktop::window(platform::WindowHandle handle) {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const FakeWindow& w) { return w.handle == handle; });
    return found == windows_.end() ? nullptr : &*found;
}

platform::WindowHandle FakeDesktop::findWindow(const std::optional<std::string>& className,
                                               const std::optional<std::string>& windowName) {
    log_.add("FindWindow " + className.value_or("(null)") + " " +
             (windowName ? "\"" + *windowName + "\"" : "(null)"));
    for (const FakeWindow& w : windows_) {
        if ((!className || EqualIgnoringCase(w.className, *className)) &&
            (!windowName || EqualIgnoringCase(w.title, *windowName))) {
            return w.handle;
        }
    }
    return 0;
}

void FakeDesktop::showWindow(platform::WindowHandle handle, int command) {
    log_.add("ShowWindow " + std::to_string(handle) + " " + std::to_string(command));
    if (FakeWindow* w = window(handle)) {
        w->visible = command != platform::show_command::hide;
    }
}

void FakeDesktop::setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter,
                               int x, int y, int width, int height, std::uint32_t flags) {
    log_.add("SetWindowPos " + std::to_string(window) + " " +
             (insertAfter == platform::topmost ? std::string("HWND_TOPMOST")
                                               : std::to_string(insertAfter)) +
             " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
             std::to_string(height) + " " + std::to_string(flags));
}

void FakeDesktop::enumWindows(const std::function<bool(platform::WindowHandle)>& visit) {
    if (beforeEnumeration) {
        beforeEnumeration(enumerations_);
    }
    ++enumerations_;
    log_.add("EnumWindows");
    std::vector<platform::WindowHandle> handles;
    for (const FakeWindow& w : windows_) {
        handles.push_back(w.handle);
    }
    for (const platform::WindowHandle handle : handles) {
        if (!visit(handle)) {
            break;
        }
    }
}

std::size_t FakeDesktop::getWindowTextLength(platform::WindowHandle handle) {
    const FakeWindow* w = window(handle);
    return w == nullptr ? 0 : w->title.size();
}

std::string FakeDesktop::getWindowText(platform::WindowHandle handle, std::size_t maxCount) {
    const FakeWindow* w = window(handle);
    return w == nullptr ? std::string{} : Cut(w->title, maxCount);
}

bool FakeDesktop::isWindowVisible(platform::WindowHandle handle) {
    const FakeWindow* w = window(handle);
    return w != nullptr && w->visible;
}

std::string FakeDesktop::getClassName(platform::WindowHandle handle, std::size_t maxCount) {
    const FakeWindow* w = window(handle);
    return w == nullptr ? std::string{} : Cut(w->className, maxCount);
}

std::uint32_t FakeDesktop::windowProcessId(platform::WindowHandle handle) {
    const FakeWindow* w = window(handle);
    return w == nullptr ? 0 : w->processId;
}

void FakeDesktop::postMessage(platform::WindowHandle handle, std::uint32_t message) {
    log_.add("PostMessage " + std::to_string(handle) + " " + std::to_string(message));
    posted_.push_back({handle, message});
}

}  // namespace tal::fakes
