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
#include "platform/ScreenCover.h"
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
    platform::ScreenCover& cover;
    EventLog& log;
};

// Keeps TAL.exe of its own folder running: starts it again when it ends, ends and restarts it
// when its main window stops answering or never comes, backs off when starts pile up (covering
// the screen meanwhile), and stands aside while the session ends or when asked to stop.
class Watchdog {
public:
    static constexpr std::uint64_t checkInterval = 5000;
    static constexpr std::uint32_t answerTimeout = 5000;
    // How long a stop waits for the kiosk to close its window before ending it.
    static constexpr std::uint64_t closeTimeout = 5000;
    // While the screen is covered, how often the watchdog looks for the new kiosk's window.
    static constexpr std::uint64_t coverCheckInterval = 200;

    explicit Watchdog(const WatchdogPorts& ports);

    // Watches until asked to stop; returns the program's exit code.
    int run();

private:
    void act(std::uint64_t now);
    void handle(platform::Wake wake, std::uint64_t now);
    std::uint64_t nextWake(std::uint64_t now) const;

    void startKiosk(std::uint64_t now);
    void checkKiosk();
    // Ends the kiosk for `endingFor_`; a failed attempt is made again at the next check.
    void endKiosk(std::uint64_t now);
    // TerminateProcess, with a log line when it fails.
    bool terminateKiosk();
    void onKioskEnded(std::uint64_t now);
    void scheduleRestart(std::uint64_t now, EndReason reason, std::uint64_t ranFor);

    void checkCover(std::uint64_t now);
    void showCover();
    void hideCover();

    bool sessionEnding() const { return endingByMessage_ || endingBySystem_; }
    // Whether the system is ending the session, which it can do before this program's window
    // hears of it; the watchdog then stands aside as for the messages.
    bool systemEndsSession();
    void enterSessionEnd(bool& source);
    void leaveSessionEnd(bool& source, std::uint64_t now);

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
    // Why the watchdog ends the running kiosk; nothing while it lets it run.
    std::optional<EndReason> endingFor_;
    // The TerminateProcess of that end worked: only the process's end is awaited.
    bool terminated_ = false;

    std::optional<std::uint64_t> startAt_;
    bool lastStartFailed_ = false;
    bool noticeShown_ = false;
    bool coverShown_ = false;
    std::uint64_t coverCheckAt_ = 0;
    // The session ends, as its messages said or as the system says.
    bool endingByMessage_ = false;
    bool endingBySystem_ = false;
    bool stopping_ = false;
    std::uint64_t stopDeadline_ = 0;
    std::optional<int> exitCode_;
};

}  // namespace tal::watchdog
