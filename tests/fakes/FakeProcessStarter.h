#pragma once

#include <memory>
#include <string>

#include "platform/ChildProcess.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

// Starts nothing: each start is a line in the shared log, and may fail (ERROR_FILE_NOT_FOUND).
class FakeProcessStarter : public platform::ProcessStarter {
public:
    explicit FakeProcessStarter(CallLog& log) : log_(log) {}

    bool fails = false;

    std::unique_ptr<platform::ChildProcess> createProcess(const std::string& executable,
                                                          const std::string& folder) override {
        log_.add("CreateProcess " + executable + " in " + folder);
        if (fails) {
            return nullptr;
        }
        return std::make_unique<Started>();
    }
    std::uint32_t lastError() override { return 2; }

private:
    // A process that runs on.
    class Started : public platform::ChildProcess {
    public:
        std::uint32_t processId() override { return 4242; }
        platform::ObjectHandle handle() override { return 0; }
        std::optional<std::uint32_t> exitCode() override { return std::nullopt; }
        bool terminate(std::uint32_t) override { return true; }
        std::uint32_t lastError() override { return 0; }
    };

    CallLog& log_;
};

}  // namespace tal::fakes
