#include "watchdog/Watchdog.h"

#include <algorithm>
#include <limits>

#include "common/ExitCodes.h"
#include "common/PolicyStore.h"
#include "common/Settings.h"
#include "common/SettingsFile.h"
#include "watchdog/HangSeconds.h"
#include "watchdog/KioskWindow.h"

namespace tal::watchdog {

namespace {

constexpr const char* cannotStartText =
    "TAL.exe を起動できません。talwatch.exe と同じフォルダーに TAL.exe があるか確かめてください。"
    "起動できるまで、間隔をあけて試し続けます。";
constexpr const char* cannotStartCaption = "エラー";

// With nothing due, the loop still wakes now and then; the kiosk's end or a stop request wakes it
// at once anyway.
constexpr std::uint64_t idleWake = 60'000;

const char* ReasonName(EndReason reason) {
    switch (reason) {
        case EndReason::hung:
            return "hang";
        case EndReason::refused:
            return "refused";
        case EndReason::notStarted:
            return "failed";
        case EndReason::windowless:
            return "error";
        case EndReason::requested:
            return "requested";
        case EndReason::ended:
            break;
    }
    return "exit";
}

// Exit codes such as 0xC0000005 read best in hexadecimal, small ones in decimal.
std::string ExitCodeText(std::uint32_t code) {
    if (code < 0x10000) {
        return std::to_string(code);
    }
    constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += digits[(code >> shift) & 0xF];
    }
    return text;
}

std::uint64_t Seconds(std::uint64_t milliseconds) {
    return milliseconds / 1000;
}

}  // namespace

Watchdog::Watchdog(const WatchdogPorts& ports)
    : ports_(ports), uptime_(ports.clock), folder_(ports.process.applicationPath()) {}

int Watchdog::run() {
    const PolicyStore policies(ports_.registry);
    const SettingsFile settings(ports_.profile, SettingsFilePath(folder_), &policies);
    const std::uint32_t hangSeconds = HangSecondsFrom(settings.ReadSetting(settings::HangSeconds));
    hangMilliseconds_ = std::uint64_t{hangSeconds} * 1000;
    ports_.log.write("start", {{"pid", ports_.process.processId()}, {"hang", hangSeconds}});
    startAt_ = uptime_.now();

    for (;;) {
        // A line kept while another program held the log goes out at the next wake.
        ports_.log.flush();
        act(uptime_.now());
        if (exitCode_) {
            return *exitCode_;
        }
        // Read again: a probe of a hung window has taken its time.
        const std::uint64_t now = uptime_.now();
        const std::uint64_t wake = nextWake(now);
        const auto timeout = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(wake > now ? wake - now : 0, idleWake));
        const platform::Wake reason = ports_.signals.wait(kiosk_ ? kiosk_->handle() : 0, timeout);
        handle(reason, uptime_.now());
        if (exitCode_) {
            return *exitCode_;
        }
    }
}

void Watchdog::act(std::uint64_t now) {
    if (stopping_) {
        if (kiosk_ && now >= stopDeadline_) {
            finish(terminateKiosk() ? "terminated" : "left");
        }
        return;
    }
    if (endingBySystem_ && !ports_.signals.isShuttingDown()) {
        leaveSessionEnd(endingBySystem_, now);
    }
    if (sessionEnding()) {
        return;
    }
    if (!kiosk_) {
        if (startAt_ && now >= *startAt_ && !systemEndsSession()) {
            startKiosk(now);
        }
        return;
    }
    if (coverShown_ && now >= coverCheckAt_) {
        checkCover(now);
    }
    if (!terminated_ && now >= checkAt_) {
        if (endingFor_) {
            endKiosk(now);
        } else {
            checkKiosk();
        }
    }
}

void Watchdog::handle(platform::Wake wake, std::uint64_t now) {
    switch (wake) {
        case platform::Wake::processEnded:
            if (kiosk_ && kiosk_->exitCode()) {
                onKioskEnded(now);
            }
            break;
        case platform::Wake::stopRequested:
            beginStop(now);
            break;
        case platform::Wake::sessionEnding:
            enterSessionEnd(endingByMessage_);
            break;
        case platform::Wake::sessionContinues:
            leaveSessionEnd(endingByMessage_, now);
            break;
        case platform::Wake::timeout:
            break;
    }
}

std::uint64_t Watchdog::nextWake(std::uint64_t now) const {
    if (stopping_) {
        return stopDeadline_;
    }
    if (sessionEnding()) {
        // No message tells when an end that only the system reported is called off.
        return now + (endingBySystem_ ? checkInterval : idleWake);
    }
    if (!kiosk_) {
        return startAt_.value_or(now + idleWake);
    }
    // After a TerminateProcess that worked, the kiosk's end wakes the wait.
    const std::uint64_t check = terminated_ ? now + idleWake : checkAt_;
    return coverShown_ ? std::min(check, coverCheckAt_) : check;
}

void Watchdog::startKiosk(std::uint64_t now) {
    startAt_.reset();
    policy_.recordStart(now);
    const std::string executable = folder_ + (folder_.ends_with('\\') ? "" : "\\") + "TAL.exe";
    kiosk_ = ports_.starter.createProcess(executable, folder_);
    if (!kiosk_) {
        lastStartFailed_ = true;
        ports_.log.write("kiosk-start-failed", {{"error", ports_.starter.lastError()}});
        // The cover comes first, so that the box opens above it.
        scheduleRestart(now, EndReason::notStarted, 0);
        if (!noticeShown_) {
            noticeShown_ = true;
            ports_.notices.show(cannotStartText, cannotStartCaption);
        }
        return;
    }
    lastStartFailed_ = false;
    kioskId_ = kiosk_->processId();
    startedAt_ = now;
    lastAnswer_ = now;
    checkAt_ = now + checkInterval;
    coverCheckAt_ = now + coverCheckInterval;
    ports_.log.write("kiosk-start", {{"pid", kioskId_}});
}

void Watchdog::checkKiosk() {
    const platform::WindowHandle window = FindKioskWindow(ports_.desktop, kioskId_);
    const bool answered =
        window != 0 &&
        ports_.probe.sendMessageTimeout(window, platform::window_message::null,
                                        platform::send_message_flag::abortIfHung, answerTimeout);
    // The probe may have waited its whole timeout.
    const std::uint64_t now = uptime_.now();
    checkAt_ = now + checkInterval;
    if (answered) {
        lastAnswer_ = now;
        return;
    }
    if (now - lastAnswer_ < hangMilliseconds_) {
        return;
    }
    if (window == 0) {
        // Alive without its window: the kiosk's error box waits for a person who is not there.
        ports_.log.write("kiosk-error", {{"pid", kioskId_}});
        endingFor_ = EndReason::windowless;
    } else {
        ports_.log.write("hang", {{"pid", kioskId_}, {"silent", Seconds(now - lastAnswer_)}});
        endingFor_ = EndReason::hung;
    }
    endKiosk(now);
}

void Watchdog::endKiosk(std::uint64_t now) {
    terminated_ = terminateKiosk();
    checkAt_ = now + checkInterval;
}

bool Watchdog::terminateKiosk() {
    if (kiosk_->terminate(exit_code::kioskTerminated)) {
        return true;
    }
    ports_.log.write("terminate-failed", {{"pid", kioskId_}, {"error", kiosk_->lastError()}});
    return false;
}

void Watchdog::onKioskEnded(std::uint64_t now) {
    const std::uint32_t code = *kiosk_->exitCode();
    ports_.log.write("kiosk-exit", {{"pid", kioskId_}, {"code", ExitCodeText(code)}});
    const EndReason reason = endingFor_                        ? *endingFor_
                             : code == exit_code::kioskRefused ? EndReason::refused
                             : code == exit_code::kioskRestart ? EndReason::requested
                                                               : EndReason::ended;
    // A kiosk without its window served no one since it last answered.
    const std::uint64_t ranFor = (reason == EndReason::windowless ? lastAnswer_ : now) - startedAt_;
    kiosk_.reset();
    endingFor_.reset();
    terminated_ = false;
    if (stopping_) {
        finish("closed");
        return;
    }
    // While the session ends the kiosk goes with it; it starts again only if the end is cancelled.
    if (!sessionEnding() && !systemEndsSession()) {
        scheduleRestart(now, reason, ranFor);
    }
}

void Watchdog::scheduleRestart(std::uint64_t now, EndReason reason, std::uint64_t ranFor) {
    const RestartDelay delay = policy_.afterEnd(now, reason, ranFor);
    if (delay.backOff) {
        ports_.log.write(
            "backoff", {{"reason", ReasonName(reason)}, {"seconds", Seconds(delay.milliseconds)}});
    } else {
        ports_.log.write("restart",
                         {{"reason", ReasonName(reason)}, {"wait", Seconds(delay.milliseconds)}});
    }
    startAt_ = now + delay.milliseconds;
    // The kiosk's window stays away for a while: the visitor sees the cover, not the desktop.
    if (delay.milliseconds > 0) {
        showCover();
    }
}

void Watchdog::checkCover(std::uint64_t now) {
    const platform::WindowHandle window = FindKioskWindow(ports_.desktop, kioskId_);
    if (window != 0 && ports_.desktop.isWindowVisible(window)) {
        hideCover();
    } else {
        coverCheckAt_ = now + coverCheckInterval;
    }
}

void Watchdog::showCover() {
    if (!coverShown_) {
        coverShown_ = true;
        ports_.cover.show();
    }
}

void Watchdog::hideCover() {
    if (coverShown_) {
        coverShown_ = false;
        ports_.cover.hide();
    }
}

bool Watchdog::systemEndsSession() {
    if (!ports_.signals.isShuttingDown()) {
        return false;
    }
    enterSessionEnd(endingBySystem_);
    return true;
}

void Watchdog::enterSessionEnd(bool& source) {
    if (!sessionEnding()) {
        ports_.log.write("session-end");
    }
    source = true;
}

void Watchdog::leaveSessionEnd(bool& source, std::uint64_t now) {
    if (!source) {
        return;
    }
    source = false;
    if (sessionEnding()) {
        return;
    }
    ports_.log.write("session-resume");
    // The kiosk may have ended meanwhile; a running one gets a fresh hang allowance.
    if (!kiosk_ && !startAt_) {
        startAt_ = now;
    }
    lastAnswer_ = now;
    checkAt_ = now + checkInterval;
}

void Watchdog::beginStop(std::uint64_t now) {
    if (stopping_) {
        return;
    }
    stopping_ = true;
    hideCover();
    if (!kiosk_) {
        finish("none");
        return;
    }
    if (const platform::WindowHandle window = FindKioskWindow(ports_.desktop, kioskId_)) {
        ports_.desktop.postMessage(window, platform::window_message::close);
    }
    stopDeadline_ = now + closeTimeout;
}

void Watchdog::finish(const char* kiosk) {
    exitCode_ = lastStartFailed_ ? exit_code::watchdogCannotStartKiosk : exit_code::watchdogStopped;
    ports_.log.write("stop", {{"kiosk", kiosk}, {"code", *exitCode_}});
}

}  // namespace tal::watchdog
