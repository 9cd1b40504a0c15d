// Where the kiosk's browser may go: schemes, the start page's folder and the allowed sites.
#include "kiosk/NavigationPolicy.h"

#include <string>

#include <gtest/gtest.h>

namespace tal {
namespace {

using namespace std::string_literals;

constexpr const char* sites = "https://city.example.jp/lib/ *.library.example.jp plain.example";

struct AddressCase {
    std::string address;
    bool allowed;
};

class AllowedSitesTest : public testing::TestWithParam<AddressCase> {};

TEST_P(AllowedSitesTest, ComparesTheParsedAddressNeverTheText) {
    const NavigationPolicy policy("https://start.example/index.html", sites);
    EXPECT_EQ(policy.allows(GetParam().address), GetParam().allowed) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AllowedSitesTest,
    testing::Values(AddressCase{"https://start.example/index.html", true},
                    AddressCase{"HTTPS://START.EXAMPLE/INDEX.HTML", true},
                    AddressCase{"https://start.example/other.html", false},
                    AddressCase{"https://city.example.jp/lib/", true},
                    AddressCase{"https://city.example.jp/lib/books?q=1#top", true},
                    AddressCase{"HTTPS://CITY.EXAMPLE.JP/LIB/Books", true},
                    AddressCase{"https://city.example.jp:443/lib/", true},
                    AddressCase{"https://city.example.jp./lib/", true},
                    AddressCase{"https://city.example.jp:8443/lib/", false},
                    AddressCase{"http://city.example.jp/lib/", false},
                    AddressCase{"https://city.example.jp/library", false},
                    AddressCase{"https://city.example.jp/lib/../admin/", false},
                    AddressCase{"https://city.example.jp/lib/%2e%2e/admin/", false},
                    AddressCase{"https://city.example.jp.evil.example/lib/", false},
                    AddressCase{"https://user@evil.example/lib/", false},
                    AddressCase{"https://city.example.jp@evil.example/lib/", false},
                    AddressCase{"https://evil.example\\@city.example.jp/lib/", false},
                    AddressCase{"https://evil.example/https://city.example.jp/lib/", false},
                    AddressCase{"https://user@city.example.jp/lib/", true},
                    AddressCase{"https://library.example.jp/", true},
                    AddressCase{"http://www.library.example.jp/any/page", true},
                    AddressCase{"https://evillibrary.example.jp/", false},
                    AddressCase{"https://library.example.jp.evil.example/", false},
                    AddressCase{"https://plain.example/", true},
                    AddressCase{"https://sub.plain.example/", false},
                    AddressCase{"https://plain.example:99999/", false},
                    AddressCase{"mailto:someone@city.example.jp", false},
                    AddressCase{"shell:startup", false}, AddressCase{"javascript:alert(1)", false},
                    AddressCase{"file:///C:/Windows/System32/", false},
                    AddressCase{"C:\\Windows\\System32\\cmd.exe", false},
                    AddressCase{"  https://plain.example/  ", true},
                    AddressCase{"not an address", false},
                    // No code page may turn U+1E01 into "?", ending the host.
                    AddressCase{"https://city.example.jp\u1E01.evil.example/lib/", false},
                    AddressCase{"https://city.example.jp/lib/%E5%9B%B3", true},
                    AddressCase{"https://city.example.jp/lib/..%2fadmin/", false},
                    AddressCase{"https://city.example.jp/lib/..%5Cadmin/", false},
                    AddressCase{"https://evil.example\0@city.example.jp/lib/"s, false},
                    AddressCase{"https://city.example.jp/lib/" + std::string(65536, 'a'), true},
                    AddressCase{"https://[::1]/", false}));

struct FrameCase {
    const char* address;
    bool inPage;
    bool inFrame;
};

class FrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameTest, FramesKeepToTheSchemesAndThePageAlsoToTheSites) {
    const NavigationPolicy policy("C:\\Kiosk\\start.html", sites);
    EXPECT_EQ(policy.allows(GetParam().address), GetParam().inPage) << GetParam().address;
    EXPECT_EQ(policy.allowsInFrame(GetParam().address), GetParam().inFrame) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(Addresses, FrameTest,
                         testing::Values(FrameCase{"https://other.example/", false, true},
                                         FrameCase{"about:blank", true, true},
                                         FrameCase{"about:home", false, false},
                                         FrameCase{"res://ieframe.dll/navcancl.htm", true, true},
                                         FrameCase{"res://shell32.dll/1", false, false},
                                         FrameCase{"file:///C:/Kiosk/menu.html", true, true},
                                         FrameCase{"file:///C:/Windows/win.ini", false, false},
                                         FrameCase{"\\\\server\\share\\page.html", false, false},
                                         FrameCase{"ms-settings:", false, false},
                                         FrameCase{"search-ms:query=x", false, false}));

struct StartPageCase {
    const char* stored;
    const char* reported;
};

class StartPageTest : public testing::TestWithParam<StartPageCase> {};

TEST_P(StartPageTest, IsComparedAsTheControlReportsIt) {
    EXPECT_TRUE(NavigationPolicy(GetParam().stored, "other.example").allows(GetParam().reported));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, StartPageTest,
    testing::Values(StartPageCase{"www.example.jp", "http://www.example.jp/"},
                    StartPageCase{"example.jp:8080/a", "http://example.jp:8080/a"},
                    StartPageCase{"C:\\\u30AD\\start.html", "file:///C:/%E3%82%AD/start.html"}));

TEST(NavigationPolicyTest, WithoutAllowedSitesEveryWebAddressPassesAndOtherSchemesDoNot) {
    const NavigationPolicy policy("https://start.example/", "");
    EXPECT_TRUE(policy.allows("https://anywhere.example/page"));
    EXPECT_TRUE(policy.allows("http://anywhere.example/"));
    EXPECT_FALSE(policy.allows("ftp://anywhere.example/"));
    EXPECT_FALSE(policy.allows("mailto:a@b.example"));
}

TEST(NavigationPolicyTest, AFileStartPageOpensItsOwnFolderAndNothingBeside) {
    const NavigationPolicy policy("C:\\Kiosk\\pages\\start.html", "https://city.example.jp/");
    EXPECT_TRUE(policy.allows("file:///C:/Kiosk/pages/start.html"));
    EXPECT_TRUE(policy.allows("file:///c:/kiosk/PAGES/map/floor2.html"));
    EXPECT_TRUE(policy.allows("C:\\Kiosk\\pages\\help.html"));
    EXPECT_TRUE(policy.allows("file:C:/Kiosk/pages/help.html"));
    EXPECT_FALSE(policy.allows("file:C:/Windows/win.ini"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/../secret.txt"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/..%2fsecret.txt"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/..%5C..%5CWindows/win.ini"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/.. /secret.txt"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/start.html%00/../../secret.txt"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pagesX/evil.html"));
    EXPECT_FALSE(policy.allows("file:///C:/Windows/"));
    EXPECT_FALSE(policy.allows("file://server/C:/Kiosk/pages/start.html"));
    EXPECT_TRUE(policy.allows("https://city.example.jp/any"));
}

TEST(NavigationPolicyTest, AListWithoutOneWellFormedPatternAllowsOnlyTheStartPage) {
    const std::string longHost = std::string(5000, 'a') + ".example";
    const NavigationPolicy policy("https://start.example/",
                                  "*. * http:// https:// *.*.example bad_host.example " + longHost +
                                      " \u3042.example www.city.example.jp/ https//x/");
    EXPECT_EQ(policy.patternCount(), 0U);
    EXPECT_EQ(policy.malformedPatterns().size(), 10U);
    EXPECT_TRUE(policy.onlyStartPage());
    EXPECT_TRUE(policy.allows("https://start.example/"));
    EXPECT_FALSE(policy.allows("https://" + longHost + "/"));
    EXPECT_FALSE(policy.allows("https://www.city.example.jp/"));
}

}  // namespace
}  // namespace tal
