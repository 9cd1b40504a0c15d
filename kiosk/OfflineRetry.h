#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/EventLog.h"

namespace tal {

// Whether a navigation that failed with `status` (NavigateError's: an HRESULT, or the HTTP status
// the server sent) failed for want of the network or of the site: the name not resolved, no
// connection, a timeout, a download cut off, or a gateway's 502, 503 or 504. Any other status
// means that the server answered.
bool IsNetworkFailure(std::uint32_t status);

// OfflineRetry as the kiosk reads it: whole seconds, 0 for off. Text that is no number, negative
// or infinite gives the default; a fraction counts as the next whole second, more than the range's
// maximum as the maximum.
std::uint32_t OfflineRetrySeconds(std::string_view text);

// The seconds from the failure (`tries` 0) or from the kiosk's last try to its next one: 5, 10,
// 20, 40, then `longest`; never more than `longest`.
std::uint32_t RetryWaitSeconds(std::uint32_t tries, std::uint32_t longest);

// The kiosk's page while the network does not bring it: an outage starts when a navigation of the
// page fails for a network reason and ends when the server answers one. Meanwhile the kiosk tries
// the failed address again on a schedule of its own. Times are milliseconds of the kiosk's clock.
// Writes `offline` to the log once per outage and `online` when it ends.
class OfflineRetry {
public:
    explicit OfflineRetry(EventLog& log) : log_(log) {}

    // OfflineRetrySeconds; 0 leaves failures to the browser control.
    void setLongestWait(std::uint32_t seconds) { longest_ = seconds; }
    bool offline() const { return offline_; }

    // A navigation of the page failed. True when the kiosk takes it over, so that the control's
    // error page is not wanted: a network failure while retries are on.
    bool failed(const std::string& address, std::uint32_t status, std::uint32_t now);
    // The server answered a navigation of the page.
    void answered(std::uint32_t now);
    // The kiosk sends the page to `address` of its own accord (a reset): during an outage, a try.
    void tried(const std::string& address, std::uint32_t now);
    // During an outage, at a tick: the address to try now, when a try is due.
    std::optional<std::string> due(std::uint32_t now);
    // Whole seconds to the next try, rounded to the nearest tick.
    std::uint32_t secondsLeft(std::uint32_t now) const;

private:
    void scheduleNext(std::uint32_t now);

    EventLog& log_;
    std::uint32_t longest_ = 0;
    bool offline_ = false;
    std::string address_;
    std::uint32_t since_ = 0;
    std::uint32_t tries_ = 0;
    std::uint32_t nextTry_ = 0;
};

}  // namespace tal
