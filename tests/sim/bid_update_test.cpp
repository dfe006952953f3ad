// Bid updates sent the way the client sends them change the bid the next keyword list shows;
// invalid updates change nothing.
#include "sim_fixture.h"

#include "platform/reply_patterns.h"

namespace dalmiro::sim::test {
namespace {

// The client's form body, byte for byte, with `price` standing where the bid goes.
std::string ClientBody(const std::string& keywordId, const std::string& price,
                       const std::string& token, const std::string& campaignId,
                       const std::string& adGroupId) {
    return "keywords=%5B%7B%22keywordId%22%3A%22" + keywordId + "%22%2C%22maxPrice%22%3A" + price +
           "%2C%22isDefaultPrice%22%3A0%7D%5D&sla=json&isAjaxRequest=true&token=" + token +
           "&_referer=%2Fcampaigns%2Fstandards%2Fadgroups%2Fitems%2Fdetail%3Ftab%3Dbidword%26"
           "campaignId%3D" +
           campaignId + "%26" + "adGroupId%3D" + adGroupId;
}

class BidUpdate : public SimFixture {
  protected:
    void SetUp() override {
        SimFixture::SetUp();
        SignIn();
        campaign = server.Data().Campaigns()[0];
        item = campaign.items[0];
    }

    // keyword id → bid in fen, as the keyword list reads.
    std::map<std::string, std::string> ListedBids() {
        std::map<std::string, std::string> bids;
        for (const auto& m : MatchGroups(patterns::kKeywords,
                                         Get("/bidword/list.htm?campaignId=" + campaign.campaignId +
                                                 "&adGroupId=" + item.adGroupId + "&queryWord=",
                                             cookie)
                                             .body)) {
            bids[m[2]] = m[1];
        }
        return bids;
    }

    HttpResult Update(const std::string& keywordId, const std::string& price) {
        return Post("/bidword/updatePrice.htm",
                    ClientBody(keywordId, price, token, campaign.campaignId, item.adGroupId),
                    cookie);
    }

    SimCampaign campaign;
    SimItem item;
};

TEST_F(BidUpdate, ChangesTheBidInTheNextKeywordList) {
    const SimKeyword& target = item.keywords[1];
    std::map<std::string, std::string> before = ListedBids();
    HttpResult r = Update(target.keywordId, "150");
    EXPECT_NE(r.body.find(R"("success":true)"), std::string::npos) << r.body;
    std::map<std::string, std::string> after = ListedBids();
    EXPECT_EQ(after[target.keywordId], "150");
    after[target.keywordId] = before[target.keywordId];
    EXPECT_EQ(after, before) << "other keywords keep their bids";
    EXPECT_EQ(server.Data().FindKeyword(target.keywordId)->maxPriceFen, 150);

    Update(target.keywordId, "5");
    EXPECT_EQ(ListedBids()[target.keywordId], "5");
}

TEST_F(BidUpdate, InvalidUpdatesFailAndChangeNothing) {
    const std::string id = item.keywords[0].keywordId;
    struct Case {
        std::string name;
        std::string keywordId;
        std::string price;
        std::string code;
    } cases[] = {
        {"unknown keyword", "1", "150", "604"},
        {"empty keyword id", "", "150", "604"},
        {"missing price", id, "", "605"},
        {"zero price", id, "0", "605"},
        {"negative price", id, "-5", "605"},
        {"price with decimals", id, "1.5", "605"},
        {"price in words", id, "abc", "605"},
        {"price too long", id, "99999999999999999999", "605"},
    };
    const std::map<std::string, std::string> before = ListedBids();
    for (const Case& c : cases) {
        HttpResult r = Update(c.keywordId, c.price);
        EXPECT_NE(r.body.find(R"("success":false)"), std::string::npos) << c.name;
        EXPECT_NE(r.body.find("\"code\":\"" + c.code + "\""), std::string::npos)
            << c.name << ": " << r.body;
    }
    EXPECT_EQ(ListedBids(), before);
}

TEST_F(BidUpdate, BodyWithoutKeywordsFails) {
    HttpResult r = Post("/bidword/updatePrice.htm", "keywords=%5B%5D&token=" + token, cookie);
    EXPECT_NE(r.body.find(R"("code":"603")"), std::string::npos);
}

TEST_F(BidUpdate, OneBadEntryLeavesTheOthersUnchanged) {
    const SimKeyword& good = item.keywords[0];
    std::string keywords = "[{\"keywordId\":\"" + good.keywordId +
                           "\",\"maxPrice\":77},{\"keywordId\":\"1\",\"maxPrice\":88}]";
    HttpResult r = Post("/bidword/updatePrice.htm",
                        "keywords=" + EncodeAll(keywords) + "&token=" + token, cookie);
    EXPECT_NE(r.body.find(R"("success":false)"), std::string::npos);
    EXPECT_EQ(ListedBids()[good.keywordId], std::to_string(good.maxPriceFen));
}

TEST_F(BidUpdate, RefusedWithoutSessionOrToken) {
    const SimKeyword& target = item.keywords[0];
    const std::string body =
        ClientBody(target.keywordId, "199", "", campaign.campaignId, item.adGroupId);
    Post("/bidword/updatePrice.htm", body, cookie); // empty token
    Post("/bidword/updatePrice.htm", ClientBody(target.keywordId, "199", token, campaign.campaignId,
                                                item.adGroupId)); // no cookie
    EXPECT_EQ(ListedBids()[target.keywordId], std::to_string(target.maxPriceFen));
}

} // namespace
} // namespace dalmiro::sim::test
