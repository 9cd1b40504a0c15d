// Where the kiosk's browser may go: schemes, the start page's folder and the allowed sites.
#include "kiosk/NavigationPolicy.h"

#include <string>

#include <gtest/gtest.h>

namespace tal {
namespace {

constexpr const char* sites = "https://city.example.jp/lib/ *.library.example.jp plain.example";

struct AddressCase {
    const char* address;
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
                    AddressCase{"about:blank", true},
                    AddressCase{"res://ieframe.dll/navcancl.htm", true},
                    AddressCase{"mailto:someone@city.example.jp", false},
                    AddressCase{"ms-settings:", false}, AddressCase{"search-ms:query=x", false},
                    AddressCase{"shell:startup", false}, AddressCase{"javascript:alert(1)", false},
                    AddressCase{"file:///C:/Windows/System32/", false},
                    AddressCase{"C:\\Windows\\System32\\cmd.exe", false},
                    AddressCase{"  https://plain.example/  ", true},
                    AddressCase{"not an address", false}));

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
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pages/../secret.txt"));
    EXPECT_FALSE(policy.allows("file:///C:/Kiosk/pagesX/evil.html"));
    EXPECT_FALSE(policy.allows("file:///C:/Windows/"));
    EXPECT_FALSE(policy.allows("file://server/C:/Kiosk/pages/start.html"));
    EXPECT_TRUE(policy.allows("https://city.example.jp/any"));
}

TEST(NavigationPolicyTest, MalformedPatternsAreLeftOutAndTheStartPageStaysReachable) {
    const std::string longHost = std::string(5000, 'a') + ".example";
    const NavigationPolicy policy(
        "https://start.example/",
        "*. * http:// https:// *.*.example bad_host.example " + longHost + " \x82\xa0.example");
    EXPECT_EQ(policy.patternCount(), 0U);
    EXPECT_TRUE(policy.allows("https://start.example/"));
    EXPECT_FALSE(policy.allows("https://" + longHost + "/"));
}

}  // namespace
}  // namespace tal
