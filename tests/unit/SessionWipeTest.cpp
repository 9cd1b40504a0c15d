// Forgetting the visitor: the session ends and the cache entries, web storage and form stores go,
// what stays counted.
#include "kiosk/SessionWipe.h"

#include <stop_token>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/FakeInternetSession.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeUserFolders.h"

namespace tal {
namespace {

using testing::IsEmpty;
using testing::UnorderedElementsAre;

constexpr char forms[] = "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1";
constexpr char browserMain[] = "Software\\Microsoft\\Internet Explorer\\Main";

class SessionWipeTest : public testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeInternetSession internet{log};
    fakes::FakeUserFolders folders{log};
    fakes::FakeRegistry registry{log};
    SessionStores stores{internet, folders, registry};
};

TEST_F(SessionWipeTest, EndsTheSessionFirstThenDeletesEveryTraceOnce) {
    internet.entries = {"http://a.example/page", "Cookie:kiosk@a.example/",
                        "Visited: kiosk@http://a.example/page", "http://b.example/in-use"};
    internet.inUse = {"http://b.example/in-use"};
    folders.files = {"Microsoft\\Internet Explorer\\DOMStore\\X1\\a.example[1].xml",
                     "Microsoft\\Internet Explorer\\Indexed DB\\Internet.edb",
                     "Microsoft\\Internet Explorer\\Recovery\\last.dat"};
    folders.inUse = {"Microsoft\\Internet Explorer\\Indexed DB\\Internet.edb"};
    registry.setValueDirectly(forms, "A1B2", {3, {1, 2}});
    registry.createKeyDirectly(browserMain);

    const WipeResult result = WipeSession(stores);

    EXPECT_EQ(log.calls.front(), "EndBrowserSession");
    EXPECT_EQ(result.deleted, 3U + 1U + 1U) << "cache entries, a storage file, a form store";
    EXPECT_EQ(result.left, 2U);
    EXPECT_THAT(internet.entries, UnorderedElementsAre("http://b.example/in-use"));
    EXPECT_EQ(log.startingWith("DeleteUrlCacheEntry http://b.example/in-use").size(), 1U)
        << "an entry that stays is tried once, not once per listing";
    EXPECT_THAT(folders.files,
                UnorderedElementsAre("Microsoft\\Internet Explorer\\Indexed DB\\Internet.edb",
                                     "Microsoft\\Internet Explorer\\Recovery\\last.dat"));
    EXPECT_FALSE(registry.keyExists(forms));
    EXPECT_TRUE(registry.keyExists(browserMain));
    EXPECT_EQ(log.startingWith("RegDeleteTree").size(), 2U) << "form entries and passwords";
}

TEST_F(SessionWipeTest, CookiesOnlyTheUnfilteredListingShowsAreDeletedToo) {
    internet.cookieFilterWorks = false;
    internet.entries = {"Cookie:kiosk@a.example/", "Cookie:kiosk@b.example/"};

    EXPECT_EQ(WipeSession(stores).deleted, 2U);
    EXPECT_THAT(internet.entries, IsEmpty());
}

TEST_F(SessionWipeTest, AStopEndsItBeforeTheNextEntry) {
    internet.entries = {"http://a.example/page", "Cookie:kiosk@a.example/"};
    std::stop_source stop;
    stop.request_stop();

    EXPECT_EQ(WipeSession(stores, stop.get_token()).deleted, 0U);
    EXPECT_EQ(internet.entries.size(), 2U);
    EXPECT_THAT(log.startingWith("DeleteLocalAppDataContents"), IsEmpty());
}

}  // namespace
}  // namespace tal
