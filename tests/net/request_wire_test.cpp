// What goes on the wire: each request is recorded byte for byte by a loopback listener and
// compared with the complete expected request.
#include "net/cookie_store.h"
#include "net/http.h"
#include "net/request_headers.h"
#include "net/request_target.h"
#include "support/raw_listener.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

using test::RawListener;

const std::string kUa = std::string(net::kDefaultUserAgent);
const std::string kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*";
const std::string kBody57 = "keywords=%E8%BF%9E%E8%A1%A3%E8%A3%99&sla=json&token=abcde";

// Replaces every "{HOST}" with the listener's "address:port".
std::string Fill(std::string text, const std::string& host) {
    for (std::size_t at = text.find("{HOST}"); at != std::string::npos;
         at = text.find("{HOST}", at)) {
        text.replace(at, 6, host);
    }
    return text;
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text + "\r\n";
}

struct WireCase {
    const char* name;
    std::string url; // "{HOST}" stands for the listener
    int method;
    HttpRequestOptions options;
    std::string expected; // the complete request, "{HOST}" as above
};

HttpRequestOptions With(std::string headers, Bytes body = {}, std::string cookies = {}) {
    HttpRequestOptions o;
    o.headers = std::move(headers);
    o.body = std::move(body);
    o.cookies = std::move(cookies);
    o.timeoutSeconds = 10;
    return o;
}

std::vector<WireCase> WireCases() {
    return {
        {"no scheme, path and query", "{HOST}/bidword/list.htm?x=1", 0, With(""),
         Lines({"GET /bidword/list.htm?x=1 HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, kAccept,
                "Referer: http://{HOST}/bidword/list.htm?x=1", "Accept-Language: zh-cn"})},
        {"no path asks for /", "http://{HOST}", 0, With(""),
         Lines({"GET / HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, kAccept,
                "Referer: http://{HOST}", "Accept-Language: zh-cn"})},
        {"post with a 57-byte form", "http://{HOST}/report/getMarketAnalysis.htm", 1,
         With("", kBody57),
         Lines({"POST /report/getMarketAnalysis.htm HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa,
                kAccept, "Referer: http://{HOST}/report/getMarketAnalysis.htm",
                "Accept-Language: zh-cn", "Content-Type: application/x-www-form-urlencoded",
                "Content-Length: 57"}) +
             kBody57},
        {"post without body sends no content lines", "http://{HOST}/p", 1, With(""),
         Lines({"POST /p HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, kAccept,
                "Referer: http://{HOST}/p", "Accept-Language: zh-cn"})},
        {"body of a GET stays home", "http://{HOST}/g", 0, With("", "a=1"),
         Lines({"GET /g HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, kAccept,
                "Referer: http://{HOST}/g", "Accept-Language: zh-cn"})},
        {"explicit cookies: one Cookie line, last", "http://{HOST}/c", 0,
         With("", {}, "sid=explicit; tk=1"),
         Lines({"GET /c HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, kAccept,
                "Referer: http://{HOST}/c", "Accept-Language: zh-cn",
                "Cookie: sid=explicit; tk=1"})},
        {"caller's Referer replaces the routine's", "http://{HOST}/r", 0,
         With("Referer: http://elsewhere/\r\n"),
         Lines({"GET /r HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa,
                "Referer: http://elsewhere/", kAccept, "Accept-Language: zh-cn"})},
        {"RefererNo removes itself and the Referer", "http://{HOST}/n", 0,
         With("X-Tab: 1\r\nRefererNo\r\n"),
         Lines({"GET /n HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, "X-Tab: 1", kAccept,
                "Accept-Language: zh-cn"})},
        {"RefererNo cut out of a header line leaves no nameless line", "http://{HOST}/n", 0,
         With("RefererNo: 1\r\nX-Tab: 2\r\n"),
         Lines({"GET /n HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, "X-Tab: 2", kAccept,
                "Accept-Language: zh-cn"})},
        {"refererno in other case stays but still stops the Referer", "http://{HOST}/n", 0,
         With("X-Mode: refererno\r\n"),
         Lines({"GET /n HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, "X-Mode: refererno",
                kAccept, "Accept-Language: zh-cn"})},
        {"Accept-Encoding suppresses Accept", "http://{HOST}/e", 0,
         With("Accept-Encoding: gzip\r\n"),
         Lines({"GET /e HTTP/1.1", "Host: {HOST}", "User-Agent: " + kUa, "Accept-Encoding: gzip",
                "Referer: http://{HOST}/e", "Accept-Language: zh-cn"})},
        {"caller's user agent", "http://{HOST}/u", 1,
         With("User-Agent: ShopTool/2.0\r\nContent-Type: text/plain\r\n", "x=1"),
         Lines({"POST /u HTTP/1.1", "Host: {HOST}", "User-Agent: ShopTool/2.0",
                "Content-Type: text/plain", kAccept, "Referer: http://{HOST}/u",
                "Accept-Language: zh-cn", "Content-Length: 3"}) +
             "x=1"},
    };
}

class RequestWireTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearCookies(); }
    void TearDown() override { ClearCookies(); }
};

TEST_F(RequestWireTest, SendsExactlyTheRoutinesLines) {
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    const std::string host = listener.HostAndPort();
    // A cookie in the store for the host must not go out beside explicit cookies.
    Cookie stored;
    stored.domain = "127.0.0.1";
    stored.name = "stored";
    stored.value = "1";
    for (const WireCase& c : WireCases()) {
        SCOPED_TRACE(c.name);
        ClearCookies();
        if (!c.options.cookies.empty()) {
            InsertCookie(stored);
        }
        const Bytes reply = HttpRequest(Fill(c.url, host), c.method, c.options);
        EXPECT_EQ(reply, "ok");
        EXPECT_EQ(listener.LastRequest(), Fill(c.expected, host));
    }
}

TEST_F(RequestWireTest, StoreCookiesGoOutWhenNoneAreGiven) {
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    Cookie stored;
    stored.domain = "127.0.0.1";
    stored.name = "sid";
    stored.value = "s1";
    InsertCookie(stored);
    HttpRequest("http://" + listener.HostAndPort() + "/x", 0, With(""));
    const std::string request = listener.LastRequest();
    EXPECT_NE(request.find("\r\nCookie: sid=s1\r\n"), std::string::npos) << request;
}

TEST_F(RequestWireTest, LargeFormGoesOutWithoutExpect) {
    // libcurl would ask a large body to wait for "100 Continue"; the routine never does.
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    const Bytes body(3 << 20, 'k');
    EXPECT_EQ(HttpRequest("http://" + listener.HostAndPort() + "/big", 1, With("", body)), "ok");
    const std::string request = listener.LastRequest();
    const std::string head = request.substr(0, request.find("\r\n\r\n") + 4);
    EXPECT_EQ(head.find("Expect"), std::string::npos) << head;
    EXPECT_NE(head.find("\r\nContent-Length: 3145728\r\n"), std::string::npos) << head;
    EXPECT_EQ(request.size(), head.size() + body.size());
}

TEST_F(RequestWireTest, HttpGetSendsHttp10WithAcceptOnly) {
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    const std::string host = listener.HostAndPort();
    EXPECT_EQ(HttpGet("http://" + host + "/insight/doWhois.htm?bidword=%E8%A3%99"), "ok");
    EXPECT_EQ(listener.LastRequest(),
              Fill(Lines({"GET /insight/doWhois.htm?bidword=%E8%A3%99 HTTP/1.0", "Host: {HOST}",
                          "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
                          "Accept: */*"}),
                   host));
}

TEST_F(RequestWireTest, UrlWithoutSchemeOrPortGoesToPort80) {
    RawListener listener(RawListener::kOkReply, "127.0.0.1", 80);
    if (!listener.Listening()) {
        GTEST_SKIP() << "port 80 cannot be bound here; the derivation is tested on its own";
    }
    EXPECT_EQ(HttpRequest("127.0.0.1/sug?q=1", 0, With("")), "ok");
    const std::string request = listener.LastRequest();
    EXPECT_TRUE(request.starts_with("GET /sug?q=1 HTTP/1.1\r\nHost: 127.0.0.1\r\n")) << request;
}

TEST_F(RequestWireTest, ProxyGetsTheAbsoluteAddress) {
    RawListener proxy;
    ASSERT_TRUE(proxy.Listening());
    HttpRequestOptions options = With("");
    options.proxy = proxy.HostAndPort();
    EXPECT_EQ(HttpRequest("http://backoffice.invalid/list.htm", 0, options), "ok");
    const std::string request = proxy.LastRequest();
    EXPECT_TRUE(request.starts_with("GET http://backoffice.invalid/list.htm HTTP/1.1\r\n"
                                    "Host: backoffice.invalid\r\n"))
        << request;
    EXPECT_NE(request.find("\r\nReferer: http://backoffice.invalid/list.htm\r\n"),
              std::string::npos);
}

TEST_F(RequestWireTest, EmptyUrlSendsNothing) {
    EXPECT_EQ(HttpRequest("   "), "");
    EXPECT_EQ(HttpGet(""), "");
}

} // namespace
} // namespace dalmiro
