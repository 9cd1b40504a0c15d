// Forgetting the visitor: the session ends and every cache entry goes, locked ones counted.
#include "kiosk/SessionWipe.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeInternetSession.h"

namespace tal {
namespace {

using testing::IsEmpty;
using testing::UnorderedElementsAre;

TEST(SessionWipeTest, EndsTheSessionFirstThenDeletesEveryEntryOnce) {
    fakes::CallLog log;
    fakes::FakeInternetSession session{log};
    session.entries = {"http://a.example/page", "Cookie:kiosk@a.example/",
                       "Visited: kiosk@http://a.example/page", "http://b.example/in-use"};
    session.inUse = {"http://b.example/in-use"};

    const WipeResult result = WipeSession(session);

    EXPECT_EQ(log.calls.front(), "EndBrowserSession");
    EXPECT_EQ(result.deleted, 3U);
    EXPECT_EQ(result.left, 1U);
    EXPECT_THAT(session.entries, UnorderedElementsAre("http://b.example/in-use"));
    EXPECT_EQ(log.startingWith("DeleteUrlCacheEntry http://b.example/in-use").size(), 1U)
        << "an entry that stays is tried once, not once per listing";
}

TEST(SessionWipeTest, CookiesOnlyTheUnfilteredListingShowsAreDeletedToo) {
    fakes::CallLog log;
    fakes::FakeInternetSession session{log};
    session.cookieFilterWorks = false;
    session.entries = {"Cookie:kiosk@a.example/", "Cookie:kiosk@b.example/"};

    EXPECT_EQ(WipeSession(session).deleted, 2U);
    EXPECT_THAT(session.entries, IsEmpty());
}

}  // namespace
}  // namespace tal
