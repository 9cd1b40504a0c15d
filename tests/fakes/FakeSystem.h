#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Process.h"
#include "platform/ScreenSaver.h"
#include "platform/SystemMenu.h"
#include "platform/SystemShutdown.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// A settable clock. Each tick-count read advances the clock by `stepPerRead` milliseconds, so
// that a loop waiting on the clock makes progress.
class FakeClock : public platform::Clock {
public:
    std::uint32_t now = 0;
    std::uint32_t stepPerRead = 0;
    platform::TimeOfDay time;

    std::uint32_t tickCount() override {
        const std::uint32_t read = now;
        now += stepPerRead;
        return read;
    }
    platform::TimeOfDay localTime() override { return time; }
};

class FakeScreenSaver : public platform::ScreenSaver {
public:
    bool running = false;
    bool isRunning() override { return running; }
};

class FakeProcess : public platform::Process {
public:
    std::string path = "C:\\Kiosk";
    std::vector<std::string> environment{"OS=Windows_NT", "PATH=C:\\Windows"};
    std::uint32_t id = 4242;

    std::string applicationPath() override { return path; }
    std::string environmentEntry(std::size_t index) override {
        return index >= 1 && index <= environment.size() ? environment[index - 1] : std::string{};
    }
    std::uint32_t processId() override { return id; }
};

// Records every call; each step can be told to fail with an error code. Never shuts anything down.
class FakeSystemShutdown : public platform::SystemShutdown {
public:
    explicit FakeSystemShutdown(CallLog& log) : log_(log) {}

    // Operation name ("OpenProcessToken", "LookupPrivilegeValue", "AdjustTokenPrivileges",
    // "ExitWindowsEx") -> the error code it fails with.
    std::map<std::string, std::uint32_t> failures;
    platform::Luid shutdownPrivilege{0x13, 0};
    platform::TokenPrivilege lastNewState;
    int openTokens = 0;

    std::unique_ptr<platform::AccessToken> openProcessToken(std::uint32_t desiredAccess) override;
    bool lookupPrivilegeValue(const std::string& name, platform::Luid& luid) override;
    bool adjustTokenPrivileges(platform::AccessToken& token, bool disableAllPrivileges,
                               const platform::TokenPrivilege& newState,
                               platform::TokenPrivilege& previousState,
                               std::uint32_t& returnLength) override;
    bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::uint32_t lastError() override { return lastError_; }

private:
    class Token;
    bool step(const std::string& operation);

    CallLog& log_;
    std::uint32_t lastError_ = 0;
};

struct ShownMessageBox {
    std::string text;
    std::string caption;
    std::uint32_t style = 0;
    friend bool operator==(const ShownMessageBox&, const ShownMessageBox&) = default;
};

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    explicit FakeMessageBoxes(CallLog& log) : log_(log) {}

    std::vector<ShownMessageBox> shown;
    // Runs while a box is open, as the modal loop would dispatch messages.
    std::function<void()> whileOpen;

    void show(const std::string& text, const std::string& caption, std::uint32_t style) override {
        log_.add("MessageBox " + text + " | " + caption);
        shown.push_back({text, caption, style});
        if (whileOpen) {
            whileOpen();
        }
    }

private:
    CallLog& log_;
};

// Each wait lets the clock move on by the time asked for, as if no message arrived.
class FakeMessagePump : public platform::MessagePump {
public:
    explicit FakeMessagePump(FakeClock& clock) : clock_(clock) {}

    int passes = 0;
    std::vector<std::uint32_t> waits;
    std::function<void()> onPass;
    // A quit request waiting in the queue.
    bool quitQueued = false;

    bool dispatchPending() override {
        ++passes;
        if (onPass) {
            onPass();
        }
        return !quitQueued;
    }
    void waitForMessages(std::uint32_t timeoutMilliseconds) override {
        waits.push_back(timeoutMilliseconds);
        clock_.now += timeoutMilliseconds;
    }

private:
    FakeClock& clock_;
};

class FakeMenuControl : public platform::SystemMenu {
public:
    explicit FakeMenuControl(CallLog& log) : log_(log) {}

    platform::MenuHandle getSystemMenu(platform::WindowHandle window, bool revert) override {
        log_.add("GetSystemMenu " + std::to_string(window) + (revert ? " revert" : ""));
        return window + 1;
    }
    bool deleteMenu(platform::MenuHandle menu, std::uint32_t position,
                    std::uint32_t flags) override {
        log_.add("DeleteMenu " + std::to_string(menu) + " " + std::to_string(position) + " " +
                 std::to_string(flags));
        return true;
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
