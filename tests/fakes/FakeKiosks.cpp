#include "tests/fakes/FakeKiosks.h"

#include <algorithm>

namespace tal::fakes {

class FakeKiosks::Process : public platform::ChildProcess {
public:
    Process(FakeKiosks& kiosks, std::shared_ptr<FakeKiosk> kiosk)
        : kiosks_(kiosks), kiosk_(std::move(kiosk)) {}

    std::uint32_t processId() override { return kiosk_->processId; }
    platform::ObjectHandle handle() override { return kiosk_->processId; }
    std::optional<std::uint32_t> exitCode() override {
        const auto end = kiosks_.endTime(kiosk_->processId);
        if (!end || *end > kiosks_.clock_.now) {
            return std::nullopt;
        }
        return kiosk_->exitCode;
    }
    bool terminate(std::uint32_t exitCode) override {
        kiosks_.log_.add("TerminateProcess " + std::to_string(kiosk_->processId) + " " +
                         std::to_string(exitCode));
        if (kiosk_->script.failedTerminations > 0) {
            --kiosk_->script.failedTerminations;
            return false;
        }
        if (!kiosk_->endedAt) {
            kiosk_->endedAt = kiosks_.clock_.now;
            kiosk_->exitCode = exitCode;
        }
        return true;
    }

    std::uint32_t lastError() override { return 5; }

private:
    FakeKiosks& kiosks_;
    std::shared_ptr<FakeKiosk> kiosk_;
};

std::unique_ptr<platform::ChildProcess> FakeKiosks::createProcess(const std::string& executable,
                                                                  const std::string& folder) {
    log_.add("CreateProcess " + executable + " in " + folder);
    KioskScript script;
    if (!scripts.empty()) {
        script = scripts.front();
        scripts.pop_front();
    }
    if (script.missing) {
        lastError_ = 2;
        return nullptr;
    }
    auto kiosk = std::make_shared<FakeKiosk>();
    kiosk->processId = 101 + static_cast<std::uint32_t>(started.size());
    kiosk->startedAt = clock_.now;
    kiosk->script = script;
    if (script.hasWindow) {
        kiosk->window = desktop_.addWindow({0, "Varnolt", "TALMain", true, kiosk->processId});
    }
    started.push_back(kiosk);
    return std::make_unique<Process>(*this, kiosk);
}

FakeKiosk* FakeKiosks::find(platform::ObjectHandle handle) {
    for (const auto& kiosk : started) {
        if (kiosk->processId == handle) {
            return kiosk.get();
        }
    }
    return nullptr;
}

bool FakeKiosks::closeRequested(const FakeKiosk& kiosk) const {
    const PostedMessage close{kiosk.window, platform::window_message::close};
    return kiosk.window != 0 &&
           std::ranges::find(desktop_.posted(), close) != desktop_.posted().end();
}

bool FakeKiosks::hung(const FakeKiosk& kiosk) const {
    return kiosk.script.hangsAfter && clock_.now - kiosk.startedAt >= *kiosk.script.hangsAfter;
}

std::optional<std::uint32_t> FakeKiosks::endTime(platform::ObjectHandle handle) {
    FakeKiosk* kiosk = find(handle);
    if (kiosk == nullptr) {
        return std::nullopt;
    }
    if (!kiosk->endedAt && kiosk->script.closesOnRequest && !hung(*kiosk) &&
        closeRequested(*kiosk)) {
        kiosk->endedAt = clock_.now;
        kiosk->exitCode = 0;
    }
    if (!kiosk->endedAt && kiosk->script.runsFor) {
        kiosk->endedAt = kiosk->startedAt + *kiosk->script.runsFor;
        kiosk->exitCode = kiosk->script.exitCode;
    }
    return kiosk->endedAt;
}

bool FakeKiosks::sendMessageTimeout(platform::WindowHandle window, std::uint32_t message,
                                    std::uint32_t flags, std::uint32_t timeoutMilliseconds) {
    log_.add("SendMessageTimeout " + std::to_string(message) + " " + std::to_string(flags) + " " +
             std::to_string(timeoutMilliseconds));
    for (const auto& kiosk : started) {
        if (kiosk->window != window) {
            continue;
        }
        const bool hung =
            kiosk->script.hangsAfter && clock_.now - kiosk->startedAt >= *kiosk->script.hangsAfter;
        if (!hung) {
            return true;
        }
    }
    clock_.now += timeoutMilliseconds;
    return false;
}

}  // namespace tal::fakes
