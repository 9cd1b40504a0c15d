// The kiosk while its page cannot be reached: which failures it takes over, when it tries again,
// what it logs and what ends an outage. The page fails 3.2 s after the start; ticks come on the
// second.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/KioskFixture.h"

namespace tal {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr std::uint32_t refused = 0x800C0008;
constexpr char page[] = "http://start.example/page";

struct OfflineKiosk : fakes::KioskFixture {
    // Starts with this OfflineRetry (null: none); true when the kiosk takes the failure over.
    bool startAndFail(const char* offlineRetry, std::uint32_t status = refused) {
        setting("StartPage", "http://start.example/");
        if (offlineRetry != nullptr) {
            setting("OfflineRetry", offlineRetry);
        }
        kiosk.start();
        log.calls.clear();
        clock.now = 3200;
        return kiosk.onNavigationFailed(page, status);
    }
    // Ticks on every second up to `last`; the seconds at which the kiosk tried again.
    std::vector<std::uint32_t> tickUntil(std::uint32_t last, std::size_t enough = SIZE_MAX) {
        std::vector<std::uint32_t> tries;
        for (clock.now = clock.now / 1000 * 1000 + 1000;
             clock.now <= last * 1000 && tries.size() < enough; clock.now += 1000) {
            const std::size_t before = log.calls.size();
            kiosk.tick();
            if (std::any_of(log.calls.begin() + static_cast<std::ptrdiff_t>(before),
                            log.calls.end(),
                            [](const std::string& call) { return call.starts_with("Retry"); })) {
                tries.push_back(clock.now / 1000);
            }
        }
        clock.now -= 1000;
        return tries;
    }
    std::string eventLog() const { return logStorage.text("C:\\Kiosk\\TAL.log"); }
};

TEST(OfflineRetryTest, OnlyNetworkFailuresAreTakenOverAnyOtherStatusIsAnAnswer) {
    const struct {
        std::uint32_t status;
        bool network;
    } rows[] = {{0x800C0004, true},  {0x800C0005, true},  {0x800C0008, true}, {0x800C000B, true},
                {502, true},         {503, true},         {504, true},        {0x800C0010, false},
                {0x800C0002, false}, {0x80004004, false}, {404, false},       {500, false},
                {0, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.status);
        OfflineKiosk kiosk;
        EXPECT_EQ(kiosk.startAndFail(nullptr, row.status), row.network);
        EXPECT_EQ(kiosk.log.startingWith("OfflineNotice").size(), row.network ? 1U : 0U);
        EXPECT_EQ(kiosk.tickUntil(10).size(), row.network ? 1U : 0U);
    }
}

TEST(OfflineRetryTest, WaitsDoubleFromFiveSecondsUpToOfflineRetry) {
    const struct {
        const char* offlineRetry;
        std::vector<std::uint32_t> waits;
    } rows[] = {{nullptr, {5, 10, 20, 40, 60, 60}},
                {"30", {5, 10, 20, 30, 30}},
                {" 3 ", {3, 3, 3}},
                {"0.4", {1, 1, 1}},
                {"99999", {5, 10, 20, 40, 3600}},
                {"", {5, 10, 20, 40, 60}},
                {"-5", {5, 10, 20, 40, 60}},
                {"1e309", {5, 10, 20, 40, 60}},
                {"sixty", {5, 10, 20, 40, 60}},
                {"0", {}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.offlineRetry == nullptr ? "(none)" : row.offlineRetry);
        OfflineKiosk kiosk;
        EXPECT_EQ(kiosk.startAndFail(row.offlineRetry), !row.waits.empty());
        std::vector<std::uint32_t> waits;
        std::uint32_t last = 3;
        for (const std::uint32_t at :
             kiosk.tickUntil(4000, std::max<std::size_t>(row.waits.size(), 1))) {
            waits.push_back(at - last);
            last = at;
        }
        EXPECT_EQ(waits, row.waits);
        EXPECT_THAT(kiosk.log.startingWith("Retry"), testing::Each("Retry " + std::string(page)));
    }
}

TEST(OfflineRetryTest, TheNoticeCountsDownToEachTry) {
    OfflineKiosk kiosk;
    kiosk.startAndFail(nullptr);
    kiosk.tickUntil(9);
    EXPECT_THAT(kiosk.log.calls,
                ElementsAre("OfflineNotice 5", "OfflineNotice 4", "OfflineNotice 3",
                            "OfflineNotice 2", "OfflineNotice 1", std::string("Retry ") + page,
                            "OfflineNotice 10", "OfflineNotice 9"));
}

TEST(OfflineRetryTest, AnOutageIsLoggedOnceAndEndsWithAnyAnswerOfTheServer) {
    const std::function<void(Kiosk&)> answers[] = {
        [](Kiosk& kiosk) { kiosk.onNavigationCompleted(); },
        [](Kiosk& kiosk) { EXPECT_FALSE(kiosk.onNavigationFailed(page, 0x800C0010)); },
        [](Kiosk& kiosk) { EXPECT_FALSE(kiosk.onNavigationFailed(page, 404)); }};
    for (const auto& answer : answers) {
        OfflineKiosk kiosk;
        kiosk.startAndFail(nullptr);
        ASSERT_THAT(kiosk.tickUntil(18), ElementsAre(8, 18));
        EXPECT_TRUE(kiosk.kiosk.onNavigationFailed(page, 0x800C000B)) << "a try that failed";
        kiosk.clock.now = 20200;
        answer(kiosk.kiosk);
        EXPECT_EQ(kiosk.log.calls.back(), "HideOfflineNotice");
        EXPECT_THAT(kiosk.tickUntil(200), IsEmpty());
        const std::string lines = kiosk.eventLog();
        EXPECT_THAT(lines, HasSubstr(" TAL offline address=http://start.example/page "
                                     "status=0x800C0008\r\n"));
        EXPECT_EQ(lines.find(" offline "), lines.rfind(" offline ")) << lines;
        EXPECT_TRUE(lines.ends_with(" TAL online seconds=17 tries=2\r\n")) << lines;
    }
}

TEST(OfflineRetryTest, AResetDuringAnOutageTriesTheStartPageAtOnceAndNext) {
    OfflineKiosk kiosk;
    kiosk.startAndFail(nullptr);
    kiosk.tickUntil(5);
    kiosk.log.calls.clear();
    kiosk.kiosk.reset(ResetTrigger::button);
    EXPECT_THAT(kiosk.log.startingWith("Navigate"), ElementsAre("Navigate http://start.example/"));
    EXPECT_EQ(kiosk.log.calls.back(), "OfflineNotice 10") << "a try: the next wait is longer";
    EXPECT_THAT(kiosk.tickUntil(15), ElementsAre(15));
    EXPECT_EQ(kiosk.log.startingWith("Retry").back(), "Retry http://start.example/");
}

}  // namespace
}  // namespace tal
