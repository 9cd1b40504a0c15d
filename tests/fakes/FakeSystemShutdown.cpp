#include "tests/fakes/FakeSystemShutdown.h"

namespace tal::fakes {

class FakeSystemShutdown::Token : public platform::AccessToken {
public:
    explicit Token(FakeSystemShutdown& owner) : owner_(owner) { ++owner_.openTokens; }
    ~Token() override {
        owner_.log_.add("CloseHandle token");
        --owner_.openTokens;
    }
    Token(const Token&) = delete;
    Token& operator=(const Token&) = delete;

private:
    FakeSystemShutdown& owner_;
};

bool FakeSystemShutdown::step(const std::string& operation) {
    const auto failure = failures.find(operation);
    lastError_ = failure == failures.end() ? 0 : failure->second;
    return failure == failures.end();
}

std::unique_ptr<platform::AccessToken> FakeSystemShutdown::openProcessToken(
    std::uint32_t desiredAccess) {
    log_.add("OpenProcessToken " + std::to_string(desiredAccess));
    return step("OpenProcessToken") ? std::make_unique<Token>(*this) : nullptr;
}

bool FakeSystemShutdown::lookupPrivilegeValue(const std::string& name, platform::Luid& luid) {
    log_.add("LookupPrivilegeValue " + name);
    if (!step("LookupPrivilegeValue")) {
        return false;
    }
    luid = shutdownPrivilege;
    return true;
}

bool FakeSystemShutdown::adjustTokenPrivileges(platform::AccessToken& /*token*/,
                                               bool disableAllPrivileges,
                                               const platform::TokenPrivilege& newState,
                                               platform::TokenPrivilege& /*previousState*/,
                                               std::uint32_t& /*returnLength*/) {
    log_.add(std::string("AdjustTokenPrivileges") + (disableAllPrivileges ? " disableAll" : ""));
    lastNewState = newState;
    return step("AdjustTokenPrivileges");
}

bool FakeSystemShutdown::exitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    log_.add("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reason));
    return step("ExitWindowsEx");
}

}  // namespace tal::fakes
