#include "net/request_headers.h"
#include "net/request_target.h"

#include <gtest/gtest.h>

namespace dalmiro::net {
namespace {

struct TargetCase {
    const char* url;
    const char* normalised;
    bool secure;
    const char* host;
    int port;
    const char* path;
};

const TargetCase kTargetCases[] = {
    {"127.0.0.1/path", "http://127.0.0.1/path", false, "127.0.0.1", 80, "/path"},
    {"shop.example.com/list.htm?page=2", "http://shop.example.com/list.htm?page=2", false,
     "shop.example.com", 80, "/list.htm?page=2"},
    {"Shop.Example.com:8080/a/b?back=http://x/y",
     "http://Shop.Example.com:8080/a/b?back=http://x/y", false, "shop.example.com", 8080,
     "/a/b?back=http://x/y"},
    {"http://Shop.Example.com", "http://Shop.Example.com", false, "shop.example.com", 80, "/"},
    {"http://example.com:8080", "http://example.com:8080", false, "example.com", 8080, "/"},
    {"https://secure.example.com/x", "https://secure.example.com/x", true, "secure.example.com",
     443, "/x"},
    {"https://secure.example.com:8443/x", "https://secure.example.com:8443/x", true,
     "secure.example.com", 8443, "/x"},
    // The scheme test is exact: an upper-case scheme gets a second one in front.
    {"HTTP://a.com/x", "http://HTTP://a.com/x", false, "http", 80, "//a.com/x"},
    // A host that is also a piece of "http://" is still found after the scheme.
    {"http://t/list", "http://t/list", false, "t", 80, "/list"},
    {"http://p:81/q", "http://p:81/q", false, "p", 81, "/q"},
    {"http://host:abc/x", "http://host:abc/x", false, "host", 80, "/x"},
    {"http://host:99999/x", "http://host:99999/x", false, "host", 80, "/x"},
};

TEST(RequestTarget, NormalisesAndSplitsUrls) {
    for (const TargetCase& c : kTargetCases) {
        SCOPED_TRACE(c.url);
        const std::string normalised = NormaliseRequestUrl(c.url);
        EXPECT_EQ(normalised, c.normalised);
        const RequestTarget target = DeriveRequestTarget(normalised);
        EXPECT_EQ(target.secure, c.secure);
        EXPECT_EQ(target.host, c.host);
        EXPECT_EQ(target.port, c.port);
        EXPECT_EQ(target.path, c.path);
    }
}

TEST(RequestTarget, BlankUrlIsNoRequestAndUntrimmedUrlIsKept) {
    EXPECT_EQ(NormaliseRequestUrl(""), "");
    EXPECT_EQ(NormaliseRequestUrl("   "), "");
    EXPECT_EQ(NormaliseRequestUrl(" http://a.com/"), "http:// http://a.com/");
    EXPECT_EQ(NormaliseRequestUrl("http://a.com/ "), "http://a.com/ ");
}

TEST(RequestTarget, AddressNamesSchemeHostPortAndPath) {
    EXPECT_EQ(TargetAddress(DeriveRequestTarget("http://A.com/x?y=1")), "http://a.com/x?y=1");
    EXPECT_EQ(TargetAddress(DeriveRequestTarget("http://a.com:8080")), "http://a.com:8080/");
    EXPECT_EQ(TargetAddress(DeriveRequestTarget("https://a.com")), "https://a.com/");
}

TEST(RequestUserAgent, TakesTheCallersAgentOrTheDefault) {
    const struct {
        const char* headers;
        std::string agent;
    } cases[] = {
        {"", std::string(kDefaultUserAgent)},
        {"X-A: 1\r\n", std::string(kDefaultUserAgent)},
        {"X-A: 1\r\nUser-Agent:  Shop Tool/2 \r\nX-B: 2\r\n", "Shop Tool/2"},
        {"user-agent:lower", "lower"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.headers);
        EXPECT_EQ(RequestUserAgent(c.headers), c.agent);
    }
}

} // namespace
} // namespace dalmiro::net
