#include "net/cookie_share.h"
#include "net/cookie_store.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dalmiro {
namespace {

Cookie MakeCookie(std::string domain, std::string name, std::string value) {
    Cookie c;
    c.domain = std::move(domain);
    c.name = std::move(name);
    c.value = std::move(value);
    return c;
}

class CookieStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearCookies(); }
    void TearDown() override { ClearCookies(); }
};

TEST_F(CookieStoreTest, InsertedCookiesComeBackWithEveryField) {
    Cookie hostOnly = MakeCookie("shop.example.com", "sid", "abc");
    Cookie wide = MakeCookie("example.com", "cna", "x y");
    wide.hostOnly = false;
    wide.path = "/list";
    Cookie guarded = MakeCookie("example.com", "tk", "7");
    guarded.httpOnly = true;
    guarded.secure = true;
    guarded.expires = 4'000'000'000;
    Cookie empty = MakeCookie("example.com", "blank", "");
    const std::vector<Cookie> inserted = {hostOnly, wide, guarded, empty};
    for (const Cookie& c : inserted) {
        InsertCookie(c);
    }
    std::vector<Cookie> all = AllCookies();
    ASSERT_EQ(all.size(), inserted.size());
    for (const Cookie& c : inserted) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(std::find(all.begin(), all.end(), c), all.end());
    }
}

TEST_F(CookieStoreTest, SameDomainPathAndNameReplacesAndClearEmpties) {
    InsertCookie(MakeCookie("h.com", "a", "1"));
    InsertCookie(MakeCookie("h.com", "a", "2"));
    Cookie otherPath = MakeCookie("h.com", "a", "3");
    otherPath.path = "/x";
    InsertCookie(otherPath);
    std::vector<Cookie> all = AllCookies();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_NE(std::find(all.begin(), all.end(), MakeCookie("h.com", "a", "2")), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), otherPath), all.end());
    ClearCookies();
    EXPECT_TRUE(AllCookies().empty());
}

TEST_F(CookieStoreTest, CookiesTheLineFormatCannotCarryAreRefused) {
    InsertCookie(MakeCookie("h.com", "a", "tab\there"));
    InsertCookie(MakeCookie("h.com", "b", "line\r\nbreak"));
    InsertCookie(MakeCookie("", "c", "1"));
    InsertCookie(MakeCookie("h.com", "", "1"));
    EXPECT_TRUE(AllCookies().empty());
}

TEST_F(CookieStoreTest, ListenersHearOfReplyCookiesButNotOfInsertedOnes) {
    std::vector<Cookie> heard;
    const int id = AddCookieListener([&heard](const Cookie& c) { heard.push_back(c); });
    const auto store = net::ProcessCookieShare();

    InsertCookie(MakeCookie("h.com", "browser", "1"));
    store->ReportChanges();
    EXPECT_TRUE(heard.empty());

    store->Store(MakeCookie("h.com", "reply", "1"));
    store->ReportChanges();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], MakeCookie("h.com", "reply", "1"));

    // Unchanged: nothing new. Changed value: told again.
    store->ReportChanges();
    EXPECT_EQ(heard.size(), 1u);
    store->Store(MakeCookie("h.com", "reply", "2"));
    store->ReportChanges();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].value, "2");

    RemoveCookieListener(id);
    store->Store(MakeCookie("h.com", "later", "1"));
    store->ReportChanges();
    EXPECT_EQ(heard.size(), 2u);
}

TEST(NetscapeLine, WritesHostOnlyAndHttpOnlyAsTheCookieEngineReadsThem) {
    Cookie c = MakeCookie("h.com", "a", "1");
    EXPECT_EQ(net::NetscapeLine(c), "h.com\tFALSE\t/\tFALSE\t0\ta\t1");
    c.hostOnly = false;
    c.httpOnly = true;
    c.secure = true;
    c.expires = 99;
    EXPECT_EQ(net::NetscapeLine(c), "#HttpOnly_.h.com\tTRUE\t/\tTRUE\t99\ta\t1");
    EXPECT_EQ(net::ParseNetscapeLine(net::NetscapeLine(c)), c);
    EXPECT_EQ(net::ParseNetscapeLine("# Netscape HTTP Cookie File"), std::nullopt);
}

} // namespace
} // namespace dalmiro
