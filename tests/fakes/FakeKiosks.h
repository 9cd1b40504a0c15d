#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ChildProcess.h"
#include "platform/WindowProbe.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeProcess.h"

namespace tal::fakes {

// What one started kiosk does. Times are milliseconds after its start.
struct KioskScript {
    // CreateProcess fails with ERROR_FILE_NOT_FOUND.
    bool missing = false;
    // It ends of itself then, with `exitCode`; nothing: it runs until it is ended.
    std::optional<std::uint32_t> runsFor;
    std::uint32_t exitCode = 0;
    // Its window stops answering then.
    std::optional<std::uint32_t> hangsAfter;
    bool hasWindow = true;
    // It ends (code 0) when its window is sent WM_CLOSE, unless it hangs.
    bool closesOnRequest = true;
    // So many TerminateProcess calls fail (ERROR_ACCESS_DENIED) before one works.
    int failedTerminations = 0;
};

struct FakeKiosk {
    std::uint32_t processId = 0;
    std::uint32_t startedAt = 0;
    KioskScript script;
    platform::WindowHandle window = 0;
    std::optional<std::uint32_t> endedAt;
    std::uint32_t exitCode = 0;
};

// TAL.exe as a script of processes on the fake clock: starts them with a "Varnolt" window on the
// fake desktop, and answers for their windows. A probe of a hung window takes its whole timeout.
class FakeKiosks : public platform::ProcessStarter, public platform::WindowProbe {
public:
    FakeKiosks(FakeClock& clock, FakeDesktop& desktop, CallLog& log)
        : clock_(clock), desktop_(desktop), log_(log) {}

    // The started processes do these in turn; once they are used up, every kiosk runs on.
    std::deque<KioskScript> scripts;
    std::vector<std::shared_ptr<FakeKiosk>> started;

    // The time the kiosk with this handle has ended or ends, as far as known now.
    std::optional<std::uint32_t> endTime(platform::ObjectHandle handle);

    std::unique_ptr<platform::ChildProcess> createProcess(const std::string& executable,
                                                          const std::string& folder) override;
    std::uint32_t lastError() override { return lastError_; }
    bool sendMessageTimeout(platform::WindowHandle window, std::uint32_t message,
                            std::uint32_t flags, std::uint32_t timeoutMilliseconds) override;

private:
    class Process;
    FakeKiosk* find(platform::ObjectHandle handle);
    bool closeRequested(const FakeKiosk& kiosk) const;
    // A hung kiosk handles no message, WM_CLOSE included.
    bool hung(const FakeKiosk& kiosk) const;

    FakeClock& clock_;
    FakeDesktop& desktop_;
    CallLog& log_;
    std::uint32_t lastError_ = 0;
};

}  // namespace tal::fakes
