#include "kiosk/OfflineRetry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"

namespace tal {

namespace {

// The statuses of NavigateError that say the site was out of reach: the URL monikers'
// INET_E_CANNOT_CONNECT, INET_E_RESOURCE_NOT_FOUND (the name not resolved), INET_E_DOWNLOAD_FAILURE
// and INET_E_CONNECTION_TIMEOUT, and the HTTP statuses of a gateway that found no server.
constexpr std::array<std::uint32_t, 7> networkFailures{
    0x800C0004, 0x800C0005, 0x800C0008, 0x800C000B, 502, 503, 504};

constexpr std::array<std::uint32_t, 4> firstWaits{5, 10, 20, 40};

// A try is made at the tick nearest its moment: ticks come once a second.
constexpr std::uint32_t halfTick = 500;

}  // namespace

bool IsNetworkFailure(std::uint32_t status) {
    return std::find(networkFailures.begin(), networkFailures.end(), status) !=
           networkFailures.end();
}

std::uint32_t OfflineRetrySeconds(std::string_view text) {
    const std::optional<double> seconds = NumericValue(text);
    if (!seconds || !std::isfinite(*seconds) || *seconds < 0) {
        return DefaultSeconds(settings::OfflineRetry);
    }
    return static_cast<std::uint32_t>(
        std::ceil(std::min(*seconds, double{settings::OfflineRetry.range.maximum})));
}

std::uint32_t RetryWaitSeconds(std::uint32_t tries, std::uint32_t longest) {
    return std::min(tries < firstWaits.size() ? firstWaits[tries] : longest, longest);
}

bool OfflineRetry::failed(const std::string& address, std::uint32_t status, std::uint32_t now) {
    if (!IsNetworkFailure(status)) {
        answered(now);
        return false;
    }
    if (longest_ == 0) {
        return false;
    }
    address_ = address;
    if (!offline_) {
        offline_ = true;
        since_ = now;
        tries_ = 0;
        scheduleNext(now);
        log_.write("offline", {{"address", address}, {"status", StatusText(status)}});
    }
    return true;
}

void OfflineRetry::answered(std::uint32_t now) {
    if (!offline_) {
        return;
    }
    offline_ = false;
    log_.write("online", {{"seconds", (now - since_ + halfTick) / 1000}, {"tries", tries_}});
}

void OfflineRetry::tried(const std::string& address, std::uint32_t now) {
    if (!offline_) {
        return;
    }
    address_ = address;
    ++tries_;
    scheduleNext(now);
}

std::optional<std::string> OfflineRetry::due(std::uint32_t now) {
    if (!offline_ || secondsLeft(now) > 0) {
        return std::nullopt;
    }
    tried(address_, now);
    return address_;
}

std::uint32_t OfflineRetry::secondsLeft(std::uint32_t now) const {
    // Signed: the moment may have passed, and the tick count wraps around.
    const auto left = static_cast<std::int32_t>(nextTry_ - now);
    return left < static_cast<std::int32_t>(halfTick)
               ? 0
               : (static_cast<std::uint32_t>(left) + halfTick) / 1000;
}

void OfflineRetry::scheduleNext(std::uint32_t now) {
    nextTry_ = now + RetryWaitSeconds(tries_, longest_) * 1000;
}

}  // namespace tal
