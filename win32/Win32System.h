#pragma once

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Process.h"
#include "platform/ScreenSaver.h"
#include "platform/SystemMenu.h"

namespace tal::win32 {

class Win32Clock : public platform::Clock {
public:
    std::uint32_t tickCount() override;
    platform::TimeOfDay localTime() override;
};

class Win32ScreenSaver : public platform::ScreenSaver {
public:
    bool isRunning() override;
};

class Win32Process : public platform::Process {
public:
    std::string applicationPath() override;
    std::string environmentEntry(std::size_t index) override;
    std::uint32_t processId() override;
};

class Win32MessagePump : public platform::MessagePump {
public:
    bool dispatchPending() override;
    void waitForMessages(std::uint32_t timeoutMilliseconds) override;
};

// Boxes are owned by `owner` (a window handle, or 0 for none) so that they are modal to it.
class Win32MessageBoxes : public platform::MessageBoxes {
public:
    explicit Win32MessageBoxes(platform::WindowHandle owner = 0) : owner_(owner) {}
    void setOwner(platform::WindowHandle owner) { owner_ = owner; }
    void show(const std::string& text, const std::string& caption, std::uint32_t style) override;

private:
    platform::WindowHandle owner_;
};

class Win32SystemMenu : public platform::SystemMenu {
public:
    platform::MenuHandle getSystemMenu(platform::WindowHandle window, bool revert) override;
    bool deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                    std::uint32_t flags) override;
};

}  // namespace tal::win32
