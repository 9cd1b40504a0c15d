#pragma once

#include <functional>
#include <stop_token>
#include <utility>

#include "platform/BackgroundWork.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// Work that waits until the test lets it run, and then finishes at once.
class FakeBackgroundWork : public platform::BackgroundWork {
public:
    explicit FakeBackgroundWork(CallLog& log) : log_(log) {}

    void run(std::function<void(std::stop_token)> work, std::function<void()> done) override {
        log_.add("BackgroundWork");
        work_ = std::move(work);
        done_ = std::move(done);
    }

    bool pending() const { return static_cast<bool>(work_); }
    // The work runs, then its completion on the "UI thread".
    void finish() {
        auto work = std::exchange(work_, nullptr);
        auto done = std::exchange(done_, nullptr);
        work(std::stop_token{});
        done();
    }

private:
    CallLog& log_;
    std::function<void(std::stop_token)> work_;
    std::function<void()> done_;
};

}  // namespace tal::fakes
