// Each misbehaviour switch does what it says, on the path it is set for only.
#include "sim_fixture.h"

#include "platform/reply_patterns.h"

#include <future>

namespace dalmiro::sim::test {
namespace {

const std::string kSuggest = "/sug?q=%E8%BF%9E%E8%A1%A3%E8%A3%99&callback=jsonp12556";

// The Content-Length a raw reply declares, and the body bytes that followed the header.
std::pair<std::size_t, std::size_t> DeclaredAndReceived(const std::string& raw) {
    std::size_t headerEnd = raw.find("\r\n\r\n");
    std::size_t at = raw.find("Content-Length: ");
    if (headerEnd == std::string::npos || at == std::string::npos || at > headerEnd) {
        return {0, 0};
    }
    std::size_t declared = std::stoul(raw.substr(at + 16));
    return {declared, raw.size() - headerEnd - 4};
}

class Faults : public SimFixture {
  protected:
    void SetUp() override {
        SimFixture::SetUp();
        normal = Get(kSuggest).body;
        ASSERT_FALSE(normal.empty());
    }
    std::string normal;
};

TEST_F(Faults, ErrorStatusAnswersTheStatusWithAPage) {
    for (int status : {500, 503, 404}) {
        server.SetFault("/sug", Fault::ErrorStatus(status));
        HttpResult r = Get(kSuggest);
        EXPECT_EQ(r.status, status);
        EXPECT_NE(r.body.find(std::to_string(status)), std::string::npos);
        EXPECT_TRUE(MatchGroups(patterns::kCompletions, r.body).empty());
    }
    EXPECT_EQ(Get("/maker/").status, 200) << "other paths unaffected";
    server.ClearFault("/sug");
    EXPECT_EQ(Get(kSuggest).body, normal);
}

TEST_F(Faults, TruncatedReplyDeclaresMoreThanItSends) {
    server.SetFault("/sug", Fault::Truncated());
    RawResult raw = RawGet(kSuggest);
    auto [declared, received] = DeclaredAndReceived(raw.bytes);
    EXPECT_EQ(declared, normal.size());
    EXPECT_EQ(received, normal.size() / 2);
    EXPECT_FALSE(Get(kSuggest).ok) << "a client sees an incomplete reply";
}

TEST_F(Faults, OversizedReplyKeepsItsRecords) {
    server.SetFault("/sug", Fault::Oversized(3u << 20));
    HttpResult r = Get(kSuggest);
    ASSERT_EQ(r.status, 200);
    EXPECT_EQ(r.body.size(), 3u << 20);
    EXPECT_EQ(r.body.substr(0, normal.size()), normal);
    EXPECT_EQ(MatchGroups(patterns::kCompletions, r.body).size(), 10u);
}

TEST_F(Faults, InvalidBytesSurroundAndSplitTheReply) {
    server.SetFault("/sug", Fault::InvalidBytes());
    HttpResult r = Get(kSuggest);
    ASSERT_EQ(r.status, 200);
    const std::string bad(kInvalidBytes);
    EXPECT_EQ(r.body.substr(0, bad.size()), bad);
    EXPECT_EQ(r.body.substr(r.body.size() - bad.size()), bad);
    std::string cleaned = r.body;
    for (std::size_t at; (at = cleaned.find(bad)) != std::string::npos;) {
        cleaned.erase(at, bad.size());
    }
    EXPECT_EQ(cleaned, normal);
    EXPECT_EQ(r.body.size(), normal.size() + 3 * bad.size());
}

TEST_F(Faults, ResetConnectionSendsNothing) {
    server.SetFault("/sug", Fault::Reset());
    RawResult raw = RawGet(kSuggest);
    EXPECT_TRUE(raw.reset);
    EXPECT_EQ(raw.bytes, "");
    EXPECT_FALSE(Get(kSuggest).ok);
    EXPECT_EQ(Get("/maker/").status, 200) << "the server goes on answering";
}

TEST_F(Faults, HangHoldsTheRequestUntilTheServerStops) {
    server.SetFault("/sug", Fault::Hang());
    auto held = std::async(std::launch::async, [&] { return Get(kSuggest, "", 60'000); });
    // The held request occupies one worker only.
    EXPECT_EQ(Get("/maker/").status, 200);
    EXPECT_FALSE(Get(kSuggest, "", 300).ok);
    server.Stop(); // releases the held request
    HttpResult r = held.get();
    EXPECT_NE(r.body, normal);
}

TEST_F(Faults, DelayedReplyArrivesWhole) {
    server.SetFault("/sug", Fault::Delay(200));
    EXPECT_EQ(Get(kSuggest).body, normal);
    server.SetFault("/sug", Fault::Delay(20'000));
    EXPECT_FALSE(Get(kSuggest, "", 300).ok) << "no reply before the delay has passed";
    server.Stop(); // a waiting delay does not hold up the stop
}

TEST_F(Faults, WildcardAppliesToEveryPathUnlessOneIsSetForThePath) {
    server.SetFault("*", Fault::ErrorStatus(502));
    server.SetFault("/maker/", Fault::Delay(1));
    EXPECT_EQ(Get(kSuggest).status, 502);
    EXPECT_EQ(Get("/maker/notice.htm").status, 502);
    EXPECT_EQ(Get("/maker/").status, 200);
    server.ClearFaults();
    EXPECT_EQ(Get(kSuggest).status, 200);
}

TEST_F(Faults, FailedBackOfficeCallsChangeNothing) {
    SignIn();
    SimKeyword keyword = server.Data().Campaigns()[0].items[0].keywords[0];
    const std::string body =
        "keywords=" +
        EncodeAll("[{\"keywordId\":\"" + keyword.keywordId + "\",\"maxPrice\":999}]") +
        "&token=" + token;
    for (Fault fault : {Fault::ErrorStatus(), Fault::Reset()}) {
        server.SetFault("/bidword/updatePrice.htm", fault);
        Post("/bidword/updatePrice.htm", body, cookie);
        EXPECT_EQ(server.Data().FindKeyword(keyword.keywordId)->maxPriceFen, keyword.maxPriceFen);
    }
    // A reply mangled on the way out was still carried out.
    server.SetFault("/bidword/updatePrice.htm", Fault::Truncated());
    Post("/bidword/updatePrice.htm", body, cookie);
    EXPECT_EQ(server.Data().FindKeyword(keyword.keywordId)->maxPriceFen, 999);
}

TEST(FaultOption, ParsesTheOptionText) {
    struct Case {
        const char* text;
        bool valid;
        FaultKind kind;
        int delayMs;
        int status;
        std::size_t size;
    } cases[] = {
        {"delay:2000", true, FaultKind::kNone, 2000, 500, 6u << 20},
        {"hang", true, FaultKind::kHang, 0, 500, 6u << 20},
        {"status", true, FaultKind::kErrorStatus, 0, 500, 6u << 20},
        {"status:503", true, FaultKind::kErrorStatus, 0, 503, 6u << 20},
        {"truncate", true, FaultKind::kTruncate, 0, 500, 6u << 20},
        {"oversize", true, FaultKind::kOversize, 0, 500, 6u << 20},
        {"oversize:1024", true, FaultKind::kOversize, 0, 500, 1024},
        {"invalid", true, FaultKind::kInvalidBytes, 0, 500, 6u << 20},
        {"reset", true, FaultKind::kReset, 0, 500, 6u << 20},
        {"delay:500+truncate", true, FaultKind::kTruncate, 500, 500, 6u << 20},
        {"", false, FaultKind::kNone, 0, 0, 0},
        {"delay", false, FaultKind::kNone, 0, 0, 0},
        {"delay:-1", false, FaultKind::kNone, 0, 0, 0},
        {"delay:1x", false, FaultKind::kNone, 0, 0, 0},
        {"status:42", false, FaultKind::kNone, 0, 0, 0},
        {"hang:1", false, FaultKind::kNone, 0, 0, 0},
        {"explode", false, FaultKind::kNone, 0, 0, 0},
        {"reset+", false, FaultKind::kNone, 0, 0, 0},
    };
    for (const Case& c : cases) {
        std::optional<Fault> f = ParseFault(c.text);
        ASSERT_EQ(f.has_value(), c.valid) << c.text;
        if (!f) {
            continue;
        }
        EXPECT_EQ(f->kind, c.kind) << c.text;
        EXPECT_EQ(f->delayMs, c.delayMs) << c.text;
        EXPECT_EQ(f->status, c.status) << c.text;
        EXPECT_EQ(f->size, c.size) << c.text;
    }
}

} // namespace
} // namespace dalmiro::sim::test
