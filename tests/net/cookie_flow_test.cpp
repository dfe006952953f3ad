// Cookies between replies, the process store and later requests, across threads and hosts.
#include "local_server.h"
#include "net/cookie_store.h"
#include "net/http.h"
#include "support/raw_listener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>

namespace dalmiro {
namespace {

using test::LocalServer;
using test::RawListener;

// A sign-in page that sets two cookies with path attributes.
void SignInRoutes(httplib::Server& s) {
    s.Get("/login", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Set-Cookie", "a=1; Path=/");
        res.set_header("Set-Cookie", "b=2; Path=/shop");
        res.set_content("signed in", "text/plain");
    });
}

bool Holds(const std::vector<Cookie>& cookies, const std::string& name, const std::string& value,
           const std::string& path) {
    return std::any_of(cookies.begin(), cookies.end(), [&](const Cookie& c) {
        return c.domain == "127.0.0.1" && c.hostOnly && c.name == name && c.value == value &&
               c.path == path;
    });
}

// The Cookie lines of a recorded request.
std::vector<std::string> CookieLines(const std::string& request) {
    std::vector<std::string> lines;
    for (std::size_t at = request.find("\r\nCookie:"); at != std::string::npos;
         at = request.find("\r\nCookie:", at + 2)) {
        lines.push_back(request.substr(at + 2, request.find("\r\n", at + 2) - at - 2));
    }
    return lines;
}

class CookieFlowTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearCookies(); }
    void TearDown() override { ClearCookies(); }
};

TEST_F(CookieFlowTest, ReplyCookiesAreListedAndStoredForTheHost) {
    LocalServer server(SignInRoutes);
    // With the store and with explicit cookies (a handle without the store) alike.
    for (const std::string explicitCookies : {"", "sid=given"}) {
        SCOPED_TRACE(explicitCookies);
        ClearCookies();
        std::string received;
        HttpRequestOptions options;
        options.cookies = explicitCookies;
        options.receivedCookies = &received;
        EXPECT_EQ(HttpRequest(server.Url("/login"), 0, options), "signed in");
        EXPECT_EQ(received, "a=1;b=2;");
        const std::vector<Cookie> all = AllCookies();
        EXPECT_TRUE(Holds(all, "a", "1", "/"));
        EXPECT_TRUE(Holds(all, "b", "2", "/shop"));
    }
}

TEST_F(CookieFlowTest, CookieFromOneThreadGoesOutFromAnother) {
    LocalServer server(SignInRoutes);
    std::thread signIn([&] { HttpRequest(server.Url("/login")); });
    signIn.join();
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    EXPECT_EQ(HttpGet("http://" + listener.HostAndPort() + "/shop/list"), "ok");
    const std::vector<std::string> lines = CookieLines(listener.LastRequest());
    ASSERT_EQ(lines.size(), 1u) << listener.LastRequest();
    EXPECT_NE(lines[0].find("a=1"), std::string::npos);
    EXPECT_NE(lines[0].find("b=2"), std::string::npos);
    // Outside the cookie's path it stays home.
    HttpRequest("http://" + listener.HostAndPort() + "/other");
    const std::vector<std::string> other = CookieLines(listener.LastRequest());
    ASSERT_EQ(other.size(), 1u);
    EXPECT_EQ(other[0], "Cookie: a=1");
}

TEST_F(CookieFlowTest, ExplicitCookiesReplaceTheStoresInOneLine) {
    LocalServer server(SignInRoutes);
    HttpRequest(server.Url("/login"));
    RawListener listener;
    ASSERT_TRUE(listener.Listening());
    HttpRequestOptions options;
    options.cookies = "sid=given";
    HttpRequest("http://" + listener.HostAndPort() + "/shop/x", 0, options);
    EXPECT_EQ(CookieLines(listener.LastRequest()), std::vector<std::string>{"Cookie: sid=given"});
}

TEST_F(CookieFlowTest, CookiesNeverGoToAnotherHost) {
    LocalServer server(SignInRoutes);
    HttpRequest(server.Url("/login"));
    ASSERT_FALSE(AllCookies().empty());
    RawListener second("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", "127.0.0.2");
    RawListener first;
    ASSERT_TRUE(second.Listening());
    ASSERT_TRUE(first.Listening());
    const std::string others[] = {
        "http://127.0.0.2:" + std::to_string(second.Port()) + "/",
        "http://localhost:" + std::to_string(first.Port()) + "/",
    };
    for (const std::string& url : others) {
        SCOPED_TRACE(url);
        EXPECT_EQ(HttpRequest(url), "ok");
        EXPECT_EQ(HttpGet(url), "ok");
    }
    ASSERT_EQ(second.Requests().size(), 2u);
    ASSERT_EQ(first.Requests().size(), 2u);
    for (const std::string& request : second.Requests()) {
        EXPECT_TRUE(CookieLines(request).empty()) << request;
    }
    for (const std::string& request : first.Requests()) {
        EXPECT_TRUE(CookieLines(request).empty()) << request;
    }
}

TEST_F(CookieFlowTest, ListenersHearOfReplyCookiesOnly) {
    LocalServer server(SignInRoutes);
    std::mutex mutex;
    std::vector<std::string> heard;
    const int id = AddCookieListener([&](const Cookie& c) {
        const std::lock_guard lock(mutex);
        heard.push_back(c.name + "=" + c.value);
    });
    Cookie fromBrowser;
    fromBrowser.domain = "127.0.0.1";
    fromBrowser.name = "browser";
    fromBrowser.value = "1";
    InsertCookie(fromBrowser);
    HttpRequest(server.Url("/login"));
    HttpGet(server.Url("/login")); // nothing new the second time
    RemoveCookieListener(id);
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"a=1", "b=2"}));
}

TEST_F(CookieFlowTest, ReplyCookiesOfExplicitRequestsReachListenersToo) {
    LocalServer server(SignInRoutes);
    std::vector<std::string> heard;
    const int id = AddCookieListener([&](const Cookie& c) { heard.push_back(c.name); });
    HttpRequestOptions options;
    options.cookies = "sid=given";
    HttpRequest(server.Url("/login"), 0, options);
    RemoveCookieListener(id);
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"a", "b"}));
}

// The browser bridge removes its listener when it is destroyed: a call already under way on a
// request worker must have finished by then, or it would run on a destroyed bridge.
TEST_F(CookieFlowTest, RemovingAListenerWaitsForItsCallUnderWay) {
    LocalServer server(SignInRoutes);
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> once{false};
    const int id = AddCookieListener([&, released](const Cookie&) {
        if (!once.exchange(true)) {
            entered.set_value();
            released.wait();
        }
    });
    std::thread request([&] { HttpRequest(server.Url("/login")); });
    entered.get_future().wait();

    std::atomic<bool> releasedBeforeReturn{false};
    std::atomic<bool> releasing{false};
    std::thread remover([&] {
        RemoveCookieListener(id);
        releasedBeforeReturn = releasing.load();
    });
    // Give the remover time to reach its wait; it must not return while the call is held.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    releasing = true;
    release.set_value();
    remover.join();
    request.join();
    EXPECT_TRUE(releasedBeforeReturn);
}

TEST_F(CookieFlowTest, AListenerMayRemoveItselfDuringItsCall) {
    LocalServer server(SignInRoutes);
    std::atomic<int> calls{0};
    std::atomic<int> id{-1};
    id = AddCookieListener([&](const Cookie&) {
        ++calls;
        RemoveCookieListener(id); // must not wait for its own call
    });
    HttpRequest(server.Url("/login"));
    const int afterRemoval = calls.load();
    EXPECT_GE(afterRemoval, 1);
    ClearCookies();
    HttpRequest(server.Url("/login")); // the same cookies are gained again: nobody hears of it
    EXPECT_EQ(calls.load(), afterRemoval);
}

} // namespace
} // namespace dalmiro
