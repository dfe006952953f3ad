#include "platform/bid_update.h"
#include "platform/http_status.h"

#include "net/http.h"

#include <gtest/gtest.h>

namespace dalmiro {
namespace {

TEST(BidUpdateBody, CarriesTheKeywordBidTokenAndRefererInOrder) {
    const std::string body = BidUpdateBody("123", 35, "tk-9", "45", "678");
    EXPECT_EQ(body, "keywords=%5B%7B%22keywordId%22%3A%22123%22%2C%22maxPrice%22%3A35"
                    "%2C%22isDefaultPrice%22%3A0%7D%5D&sla=json&isAjaxRequest=true&token=tk-9"
                    "&_referer=%2Fcampaigns%2Fstandards%2Fadgroups%2Fitems%2Fdetail%3Ftab%3D"
                    "bidword%26campaignId%3D45%26adGroupId%3D678");
    EXPECT_TRUE(body.starts_with("keywords=%5B%7B%22keywordId%22%3A%22123%22%2C%22maxPrice%22%3A"));
    EXPECT_TRUE(body.ends_with("campaignId%3D45%26adGroupId%3D678"));
}

TEST(BidUpdateBody, InsertsTokenAndIdsAsTheyStand) {
    EXPECT_NE(BidUpdateBody("1", 5, "", "2", "3").find("&token=&_referer="), std::string::npos);
    // A token with characters outside letters and digits is not percent-encoded.
    EXPECT_NE(BidUpdateBody("1", 5, "a+b/c=", "2", "3").find("&token=a+b/c=&_referer="),
              std::string::npos);
}

TEST(JudgeBidUpdateReply, TrustsOnlyASuccessAnswerWithASuccessStatus) {
    const std::string ok = "HTTP/1.1 200 OK\r\n\r\n";
    const std::string accepted = R"({"success":true,"code":"200","result":[]})";
    const struct {
        std::string reply;
        std::string headers;
        BidUpdateOutcome outcome;
    } cases[] = {
        {accepted, ok, BidUpdateOutcome::Updated},
        {accepted, "HTTP/1.1 302 Found\r\n\r\nHTTP/1.1 200 OK\r\n\r\n", BidUpdateOutcome::Updated},
        {"", ok, BidUpdateOutcome::Failed},
        {HttpTimeoutMessage(), "", BidUpdateOutcome::Failed},
        {accepted, "HTTP/1.1 500 Internal Server Error\r\n\r\n", BidUpdateOutcome::Failed},
        // An oversized header block comes back as blanks: the answer decides.
        {accepted, "", BidUpdateOutcome::Updated},
        {accepted, std::string(2048, ' '), BidUpdateOutcome::Updated},
        {R"({"success":false,"code":"605","msg":"x"})", std::string(2048, ' '),
         BidUpdateOutcome::Failed},
        {R"({"success":false,"code":"605","msg":"x"})", ok, BidUpdateOutcome::Failed},
        {"<html>busy</html>", ok, BidUpdateOutcome::Failed},
        {R"({"success":false,"code":"601","msg":"x"})", ok, BidUpdateOutcome::SignInNeeded},
        {R"({"success":false,"code":"602","msg":"x"})", ok, BidUpdateOutcome::SignInNeeded},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeBidUpdateReply(c.reply, c.headers), c.outcome) << c.reply << c.headers;
}

TEST(FinalHttpStatus, TakesTheLastStatusLine) {
    const struct {
        const char* headers;
        int status;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", 200},
        {"HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\nHTTP/1.1 500 Internal\r\n\r\n", 500},
        {"HTTP/1.0 404 Not Found\r\n\r\n", 404},
        {"HTTP/1.1 OK\r\n\r\n", 0},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FinalHttpStatus(c.headers), c.status) << c.headers;
}

} // namespace
} // namespace dalmiro
