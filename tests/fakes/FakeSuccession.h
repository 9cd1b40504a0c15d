#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Succession.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// A session with or without a watchdog, where the stop request and the copy's start may fail; both
// calls go into the shared log.
class FakeSuccession : public platform::Succession {
public:
    explicit FakeSuccession(CallLog& log) : log_(log) {}

    bool watchdog = false;
    bool copyFails = false;
    bool stopFails = false;
    // Runs as the copy starts.
    std::function<void()> onStartCopy;

    bool watchdogRuns() override { return watchdog; }
    bool stopWatchdog() override {
        log_.add("SetEvent watchdog stop");
        return !stopFails;
    }
    bool startCopy(std::uint32_t waitMilliseconds) override {
        log_.add("CreateProcess copy wait=" + std::to_string(waitMilliseconds));
        if (onStartCopy) {
            onStartCopy();
        }
        return !copyFails;
    }
    std::uint32_t lastError() override { return 5; }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
