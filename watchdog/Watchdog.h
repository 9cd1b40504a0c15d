#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/EventLog.h"
#include "platform/ChildProcess.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Notices.h"
#include "platform/Process.h"
#include "platform/ProfileFile.h"
#include "platform/Registry.h"
#include "platform/WatchdogSignals.h"
#include "platform/WindowProbe.h"
#include "watchdog/RestartPolicy.h"
#include "watchdog/Uptime.h"

namespace tal::watchdog {

struct WatchdogPorts {
    platform::ProcessStarter& starter;
    platform::WatchdogSignals& signals;
    platform::Desktop& desktop;
    platform::WindowProbe& probe;
    platform::Clock& clock;
    platform::Process& process;
    platform::ProfileFile& profile;
    // For the settings that Group Policy sets.
    platform::Registry& registry;
    platform::Notices& notices;
    EventLog& log;
};

// Keeps TAL.exe of its own folder running: starts it again when it ends, ends and restarts it
// when its main window stops answering, backs off when starts pile up, and stands aside while
// the session ends or when asked to stop.
class Watchdog {
public:
    static constexpr std::uint64_t checkInterval = 5000;
    static constexpr std::uint32_t answerTimeout = 5000;
    // How long a stop waits for the kiosk to close its window before ending it.
    static constexpr std::uint64_t closeTimeout = 5000;

    explicit Watchdog(const WatchdogPorts& ports);

    // Watches until asked to stop; returns the program's exit code.
    int run();

private:
    void act(std::uint64_t now);
    void handle(platform::Wake wake, std::uint64_t now);
    std::uint64_t nextWake(std::uint64_t now) const;

    void startKiosk(std::uint64_t now);
    void checkKiosk();
    void onKioskEnded(std::uint64_t now);
    void scheduleRestart(std::uint64_t now, EndReason reason, std::uint64_t ranFor);
    void beginStop(std::uint64_t now);
    void finish(const char* kiosk);

    WatchdogPorts ports_;
    Uptime uptime_;
    RestartPolicy policy_;
    std::string folder_;
    std::uint64_t hangMilliseconds_ = 0;

    std::unique_ptr<platform::ChildProcess> kiosk_;
    std::uint32_t kioskId_ = 0;
    std::uint64_t startedAt_ = 0;
    std::uint64_t lastAnswer_ = 0;
    std::uint64_t checkAt_ = 0;
    bool endedForHang_ = false;

    std::optional<std::uint64_t> startAt_;
    bool lastStartFailed_ = false;
    bool noticeShown_ = false;
    bool sessionEnding_ = false;
    bool stopping_ = false;
    std::uint64_t stopDeadline_ = 0;
    std::optional<int> exitCode_;
};

}  // namespace tal::watchdog
