// HttpRequest and HttpGet against small loopback servers: time-out, redirects, reply headers,
// reply modes and failures.
#include "local_server.h"
#include "net/cookie_store.h"
#include "net/http.h"
#include "support/raw_listener.h"
#include "util/event_pump.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace dalmiro {
namespace {

using test::LocalServer;
using test::RawListener;

std::string Reply(const std::string& extraHeaders, const std::string& body) {
    return "HTTP/1.1 200 OK\r\n" + extraHeaders + "Content-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

class HttpBehaviourTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearCookies(); }
    void TearDown() override {
        SetEventPump({});
        ClearCookies();
    }
};

TEST_F(HttpBehaviourTest, TimeOutReturnsTheMessageAndLaterCallsStillWork) {
    RawListener silent;
    ASSERT_TRUE(silent.Listening());
    silent.SetSilent(true);
    std::string headers = "untouched";
    std::string cookies = "untouched";
    HttpRequestOptions options;
    options.timeoutSeconds = 1;
    options.responseHeaders = &headers;
    options.receivedCookies = &cookies;
    const Bytes reply = HttpRequest("http://" + silent.HostAndPort() + "/slow", 1, options);
    EXPECT_EQ(reply, HttpTimeoutMessage());
    EXPECT_EQ(GbkToUtf8(reply), "超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中"
                                "的＂超时返回＂的值设置长一些。");
    EXPECT_EQ(headers, "untouched");
    EXPECT_EQ(cookies, "untouched");
    EXPECT_EQ(silent.Requests().size(), 1u);

    RawListener answering;
    ASSERT_TRUE(answering.Listening());
    options.timeoutSeconds = 10;
    EXPECT_EQ(HttpRequest("http://" + answering.HostAndPort() + "/", 0, options), "ok");
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
}

TEST_F(HttpBehaviourTest, EventsRunOnTheCallingThreadWhileTheRequestWaits) {
    LocalServer server([](httplib::Server& s) {
        s.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            res.set_content("done", "text/plain");
        });
    });
    std::atomic<int> pumped{0};
    std::atomic<bool> otherThread{false};
    const std::thread::id caller = std::this_thread::get_id();
    SetEventPump([&] {
        ++pumped;
        if (std::this_thread::get_id() != caller) {
            otherThread = true;
        }
    });
    EXPECT_EQ(HttpRequest(server.Url("/slow")), "done");
    EXPECT_GT(pumped.load(), 1);
    pumped = 0;
    EXPECT_EQ(HttpGet(server.Url("/slow")), "done");
    EXPECT_GT(pumped.load(), 1);
    EXPECT_FALSE(otherThread.load());
}

TEST_F(HttpBehaviourTest, RedirectsAreFollowedOnlyWhenAllowed) {
    std::atomic<bool> targetSawGet{false};
    LocalServer server([&](httplib::Server& s) {
        auto moved = [](const httplib::Request&, httplib::Response& res) {
            res.status = 302;
            res.set_header("Location", "/target");
            res.set_content("moved body", "text/plain");
        };
        s.Get("/moved", moved);
        s.Post("/moved", moved);
        s.Get("/target", [&](const httplib::Request&, httplib::Response& res) {
            targetSawGet = true;
            res.set_content("arrived", "text/plain");
        });
    });
    HttpRequestOptions noFollow;
    noFollow.followRedirects = false;
    std::string headers;
    noFollow.responseHeaders = &headers;
    EXPECT_EQ(HttpRequest(server.Url("/moved"), 0, noFollow), "moved body");
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 302")) << headers;

    HttpRequestOptions follow;
    follow.responseHeaders = &headers;
    EXPECT_EQ(HttpRequest(server.Url("/moved"), 0, follow), "arrived");
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << headers;
    EXPECT_EQ(headers.find("302"), std::string::npos) << headers;

    // A redirected form post continues as a GET, as browsers do.
    follow.body = "a=1";
    targetSawGet = false;
    EXPECT_EQ(HttpRequest(server.Url("/moved"), 1, follow), "arrived");
    EXPECT_TRUE(targetSawGet.load());

    EXPECT_EQ(HttpGet(server.Url("/moved")), "arrived");
}

TEST_F(HttpBehaviourTest, HeaderBlockOf2048BytesOrMoreReadsBlank) {
    // Pads the header block of the reply to exactly `size` bytes.
    auto replyWithBlock = [](std::size_t size) {
        const std::string head = "HTTP/1.1 200 OK\r\nSet-Cookie: big=1; path=/\r\n"
                                 "Content-Length: 4\r\nConnection: close\r\nX-Pad: ";
        const std::string tail = "\r\n\r\n";
        return head + std::string(size - head.size() - tail.size(), 'p') + tail + "body";
    };
    const struct {
        std::size_t size;
        bool blank;
    } cases[] = {{2047, false}, {2048, true}, {6000, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        RawListener listener(replyWithBlock(c.size));
        ASSERT_TRUE(listener.Listening());
        std::string headers;
        std::string cookies;
        HttpRequestOptions options;
        options.responseHeaders = &headers;
        options.receivedCookies = &cookies;
        EXPECT_EQ(HttpRequest("http://" + listener.HostAndPort() + "/", 0, options), "body");
        if (c.blank) {
            EXPECT_EQ(headers, std::string(2048, ' '));
            EXPECT_EQ(cookies, "");
        } else {
            EXPECT_EQ(headers, replyWithBlock(c.size).substr(0, c.size));
            EXPECT_EQ(cookies, "big=1;");
        }
    }
}

TEST_F(HttpBehaviourTest, ReplyModesConvertTheBody) {
    const std::string utf8 = "连衣裙 dress";
    const std::string big5 = TextFromWide(WideFromText("連衣裙 dress"), kCodePageBig5);
    const struct {
        std::string body;
        int mode;
        Bytes expected;
    } cases[] = {
        {utf8, 0, utf8},
        {utf8, 1, Gbk("连衣裙 dress")},
        {big5, 2, Gbk("连衣裙 dress")},
        {utf8, 7, utf8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        RawListener listener(Reply("", c.body));
        ASSERT_TRUE(listener.Listening());
        HttpRequestOptions options;
        options.replyMode = c.mode;
        EXPECT_EQ(HttpRequest("http://" + listener.HostAndPort() + "/", 0, options), c.expected);
    }
}

TEST_F(HttpBehaviourTest, ErrorPagesComeBackAndRefusedConnectionsGiveNothing) {
    LocalServer server([](httplib::Server& s) {
        s.Get("/gone", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("no such page", "text/plain");
        });
    });
    EXPECT_EQ(HttpRequest(server.Url("/gone")), "no such page");
    EXPECT_EQ(HttpGet(server.Url("/gone")), "no such page");

    int closedPort = 0;
    {
        RawListener gone;
        closedPort = gone.Port();
    }
    const std::string refused = "http://127.0.0.1:" + std::to_string(closedPort) + "/";
    std::string headers = "before";
    std::string cookies = "before";
    HttpRequestOptions options;
    options.responseHeaders = &headers;
    options.receivedCookies = &cookies;
    EXPECT_EQ(HttpRequest(refused, 0, options), "");
    EXPECT_EQ(headers, "");
    EXPECT_EQ(cookies, "");
    EXPECT_EQ(HttpGet(refused), "");
    EXPECT_EQ(HttpGet("ftp://127.0.0.1/file"), "");
}

} // namespace
} // namespace dalmiro
