#include "net/reply_cookies.h"

#include <gtest/gtest.h>

#include <limits>

namespace dalmiro::net {
namespace {

TEST(CollectReplyCookies, ListsEachSetCookieLineInHeaderOrder) {
    const struct {
        const char* block;
        const char* items;
        std::vector<std::string> settings;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nContent-Type: text/html\r\n"
         "Set-Cookie: b=2; Path=/shop; HttpOnly\r\n\r\n",
         "a=1;b=2;",
         {"a=1; Path=/", "b=2; Path=/shop; HttpOnly"}},
        {"HTTP/1.1 200 OK\r\nset-cookie: s=x;path=/\r\n\r\n", "s=x;", {"s=x;path=/"}},
        // A cookie without attributes still counts as "name=value;".
        {"HTTP/1.1 200 OK\r\nSet-Cookie: c=3\r\n\r\n", "c=3;", {"c=3"}},
        {"HTTP/1.1 200 OK\nSet-Cookie: lf=1; path=/\n\n", "lf=1;", {"lf=1; path=/"}},
        {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", "", {}},
        {"", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        const ReplyCookies cookies = CollectReplyCookies(c.block);
        EXPECT_EQ(cookies.items, c.items);
        EXPECT_EQ(cookies.settings, c.settings);
    }
}

TEST(CookieFromSetting, FilesTheCookieAsABrowserWould) {
    constexpr std::int64_t kNow = 1'700'000'000;
    auto make = [](std::string domain, bool hostOnly, std::string path, std::string name,
                   std::string value, std::int64_t expires = 0, bool secure = false,
                   bool httpOnly = false) {
        Cookie c;
        c.domain = std::move(domain);
        c.hostOnly = hostOnly;
        c.path = std::move(path);
        c.name = std::move(name);
        c.value = std::move(value);
        c.expires = expires;
        c.secure = secure;
        c.httpOnly = httpOnly;
        return c;
    };
    const struct {
        const char* host;
        const char* setting;
        std::optional<Cookie> cookie;
    } cases[] = {
        {"Shop.Example.com", "sid=abc", make("shop.example.com", true, "/", "sid", "abc")},
        {"shop.example.com", "a=1; path=/list", make("shop.example.com", true, "/list", "a", "1")},
        {"shop.example.com", "a=1; Domain=.example.com", make("example.com", false, "/", "a", "1")},
        {"shop.example.com", "a=1; domain=shop.example.com",
         make("shop.example.com", false, "/", "a", "1")},
        // A domain the host does not belong to: the cookie is refused.
        {"shop.example.com", "a=1; domain=other.com", std::nullopt},
        {"myexample.com", "a=1; domain=example.com", std::nullopt},
        {"127.0.0.1", "a=1; domain=0.0.1", std::nullopt},
        {"h", "t=v=w; Max-Age=60; Secure; HttpOnly",
         make("h", true, "/", "t", "v=w", kNow + 60, true, true)},
        {"h", "t=1; Max-Age=0", make("h", true, "/", "t", "1", 1)},
        // A Max-Age past what the clock can count must not wrap into the past.
        {"h", "t=1; Max-Age=9223372036854775807",
         make("h", true, "/", "t", "1", std::numeric_limits<std::int64_t>::max())},
        {"h", "t=1; Max-Age=99999999999999999999999",
         make("h", true, "/", "t", "1", std::numeric_limits<std::int64_t>::max())},
        {"h", "t=1; expires=Wed, 09 Jun 2021 10:18:14 GMT",
         make("h", true, "/", "t", "1", 1623233894)},
        {"h", "t=1; Max-Age=10; expires=Wed, 09 Jun 2021 10:18:14 GMT",
         make("h", true, "/", "t", "1", kNow + 10)},
        {"h", "novalue", std::nullopt},
        {"h", "=1", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        EXPECT_EQ(CookieFromSetting(c.host, c.setting, kNow), c.cookie);
    }
}

} // namespace
} // namespace dalmiro::net
