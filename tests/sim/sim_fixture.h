#pragma once
// A running substitute server, a plain HTTP client for it and the matching helpers the contract
// tests share. Replies are matched as the client matches them: converted to GBK, read with
// RegexMatcher and the client's own pattern constants; groups come back as UTF-8 for comparison.
#include "sim/sim_server.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace dalmiro::sim::test {

struct HttpResult {
    bool ok = false; // a complete reply arrived
    int status = 0;
    std::string body;
    std::string setCookie;
    std::string location;
    std::string contentType;
};

// What a raw socket received for one request, up to the server's close or reset.
struct RawResult {
    std::string bytes;
    bool reset = false;
};

// Every match of the pattern over the reply, each as its groups 1..n in UTF-8.
std::vector<std::vector<std::string>> MatchGroups(std::string_view pattern,
                                                  const std::string& utf8Reply);
// The text between markers as the client cuts it (ExtractBetween, start-at-anchor off) over the
// reply converted to GBK, back in UTF-8.
std::string Between(const std::string& utf8Reply, std::string_view anchor, std::string_view left,
                    std::string_view right);
// The percent-encoded UTF-8 of a text, every byte encoded, as the client's UrlEncode sends it.
std::string EncodeAll(std::string_view bytes);

class SimFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    HttpResult Get(const std::string& target, const std::string& cookie = "",
                   int timeoutMs = 10'000);
    HttpResult Post(const std::string& target, const std::string& body,
                    const std::string& cookie = "", int timeoutMs = 10'000);
    RawResult RawGet(const std::string& target);

    // Signs in through the sign-in form; returns the "sim_session=…" cookie pair.
    std::string SignInOverHttp();
    // The cookie pair and token of a session opened directly.
    void SignIn();

    SimServer server;
    std::string cookie; // after SignIn()
    std::string token;
};

} // namespace dalmiro::sim::test
