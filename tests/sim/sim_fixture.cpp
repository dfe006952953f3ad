#include "sim_fixture.h"

#include "util/gbk_find.h"
#include "util/regex_matcher.h"
#include "util/text.h"
#include "util/url_encode.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace dalmiro::sim::test {
namespace {

httplib::Headers RequestHeaders(const std::string& cookie) {
    // Like the program's client: no compressed replies.
    httplib::Headers headers{{"Accept-Encoding", "identity"}};
    if (!cookie.empty()) {
        headers.emplace("Cookie", cookie);
    }
    return headers;
}

HttpResult ToResult(const httplib::Result& res) {
    HttpResult out;
    if (!res) {
        return out;
    }
    out.ok = true;
    out.status = res->status;
    out.body = res->body;
    out.setCookie = res->get_header_value("Set-Cookie");
    out.location = res->get_header_value("Location");
    out.contentType = res->get_header_value("Content-Type");
    return out;
}

void SetTimeout(httplib::Client& client, int timeoutMs) {
    client.set_read_timeout(timeoutMs / 1000, (timeoutMs % 1000) * 1000);
    client.set_follow_location(false);
}

} // namespace

std::vector<std::vector<std::string>> MatchGroups(std::string_view pattern,
                                                  const std::string& utf8Reply) {
    RegexMatcher matcher;
    std::vector<std::vector<std::string>> matches;
    if (!matcher.Create(pattern, Utf8ToGbk(utf8Reply))) {
        ADD_FAILURE() << "pattern rejected: " << pattern;
        return matches;
    }
    for (int m = 1; m <= matcher.MatchCount(); ++m) {
        std::vector<std::string> groups;
        for (int g = 1; g <= matcher.SubMatchCount(); ++g) {
            groups.push_back(GbkToUtf8(matcher.SubMatchText(m, g)));
        }
        matches.push_back(std::move(groups));
    }
    return matches;
}

std::string Between(const std::string& utf8Reply, std::string_view anchor, std::string_view left,
                    std::string_view right) {
    int position = 1;
    Text cut = ExtractBetween(Utf8ToGbk(utf8Reply), position, Gbk(anchor), Gbk(left), Gbk(right),
                              true, false);
    return GbkToUtf8(cut);
}

std::string EncodeAll(std::string_view bytes) {
    // The client's byte-for-byte encoder; it treats the bytes as they are, whatever their charset.
    return PercentEncodeGbk(bytes);
}

void SimFixture::SetUp() {
    ASSERT_TRUE(server.Start());
}

HttpResult SimFixture::Get(const std::string& target, const std::string& cookieValue,
                           int timeoutMs) {
    httplib::Client client("127.0.0.1", server.Port());
    SetTimeout(client, timeoutMs);
    return ToResult(client.Get(target.c_str(), RequestHeaders(cookieValue)));
}

HttpResult SimFixture::Post(const std::string& target, const std::string& body,
                            const std::string& cookieValue, int timeoutMs) {
    httplib::Client client("127.0.0.1", server.Port());
    SetTimeout(client, timeoutMs);
    return ToResult(client.Post(target.c_str(), RequestHeaders(cookieValue), body,
                                "application/x-www-form-urlencoded"));
}

RawResult SimFixture::RawGet(const std::string& target) {
    RawResult out;
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        ADD_FAILURE() << "no socket";
        return out;
    }
    timeval limit{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(server.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ADD_FAILURE() << "cannot connect";
        close(fd);
        return out;
    }
    std::string request = "GET " + target +
                          " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                          "\r\nConnection: close\r\n\r\n";
    send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    char buffer[65536];
    while (true) {
        ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            out.bytes.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        out.reset = n < 0 && errno == ECONNRESET;
        break;
    }
    close(fd);
    return out;
}

std::string SimFixture::SignInOverHttp() {
    SimAccount account = server.Data().Account();
    HttpResult r = Post("/login.htm", "loginId=" + EncodeAll(account.loginId) +
                                          "&password=" + EncodeAll(account.password));
    std::string pair = r.setCookie.substr(0, r.setCookie.find(';'));
    return pair;
}

void SimFixture::SignIn() {
    std::string id = server.SignIn();
    cookie = std::string(kSessionCookieName) + "=" + id;
    token = server.TokenOf(id);
}

} // namespace dalmiro::sim::test
