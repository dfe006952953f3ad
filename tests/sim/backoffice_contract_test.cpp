// The back office's replies, read with the client's own patterns, yield the records the data
// model holds.
#include "sim_fixture.h"

#include "platform/reply_patterns.h"

namespace dalmiro::sim::test {
namespace {

std::string AdGroupQuery(const std::string& campaignId) {
    // Exactly as the client writes it.
    return "/adgroup/adGroupList.htm?queryVO=%7B%22pageNumber%22%3A1%2C%22pageSize%22%3A200%2C"
           "%22queryTitle%22%3A%22%22%2C%22queryState%22%3A%22%22%2C%22campaignId%22%3A%22" +
           campaignId + "%22%7D";
}

std::string KeywordQuery(const std::string& campaignId, const std::string& adGroupId) {
    return "/bidword/list.htm?campaignId=" + campaignId + "&adGroupId=" + adGroupId + "&queryWord=";
}

std::string MarketTarget(const std::string& keyword) {
    return "/report/getMarketAnalysis.htm?bidwordstr=%5B%22" + EncodeAll(keyword) +
           "%22%5D&startDate=2026-12-3&endDate=2026-12-9";
}

class BackOfficeContract : public SimFixture {
  protected:
    void SetUp() override {
        SimFixture::SetUp();
        SignIn();
    }
    std::string MarketBody(const std::string& keyword) {
        return "_referer=/tools/insight/queryresult?kws=%5B%22" + EncodeAll(keyword) +
               "%22%5D&isAjaxRequest=true&sla=json&token=" + token;
    }
};

TEST_F(BackOfficeContract, LoginInformationCarriesTheSessionTokenBeforeOperName) {
    HttpResult r = Get("/bpenv/getLoginUserInfo.htm", cookie);
    ASSERT_EQ(r.status, 200);
    EXPECT_EQ(Between(r.body, patterns::kTokenLeft, patterns::kTokenLeft, patterns::kTokenRight),
              token);
    EXPECT_FALSE(token.empty());
}

TEST_F(BackOfficeContract, FixedTokenIsIssuedByteForByte) {
    server.Data().SetFixedToken("a-b_c.d~9");
    SignIn();
    HttpResult r = Get("/bpenv/getLoginUserInfo.htm", cookie);
    EXPECT_EQ(Between(r.body, patterns::kTokenLeft, patterns::kTokenLeft, patterns::kTokenRight),
              "a-b_c.d~9");
}

TEST_F(BackOfficeContract, CampaignListYieldsEveryCampaignInOrder) {
    HttpResult r = Get("/campaign/getCampaignDetailInfo.htm?type=0", cookie);
    auto matches = MatchGroups(patterns::kCampaigns, r.body);
    ASSERT_EQ(matches.size(), 4u);
    const std::vector<std::vector<std::string>> expected = {
        {"30118201", "夏季连衣裙推广"},
        {"30118202", "韩版女装日常推广"},
        // The title 碎花长裙"清仓",夏季专场 is sent escaped; the lazy group stops at the
        // escaped quote that a comma follows, keeping the backslash.
        {"30118203", R"(碎花长裙\"清仓\)"},
        {"30118204", "新品测款计划"},
    };
    EXPECT_EQ(matches, expected);
}

TEST_F(BackOfficeContract, ReplacedCampaignListIsServed) {
    struct Case {
        int campaigns;
    } cases[] = {{0}, {1}, {12}};
    for (const Case& c : cases) {
        server.Data().SetCampaigns(GeneratedCampaigns(c.campaigns, 1, 1));
        auto matches = MatchGroups(patterns::kCampaigns,
                                   Get("/campaign/getCampaignDetailInfo.htm?type=0", cookie).body);
        ASSERT_EQ(matches.size(), static_cast<std::size_t>(c.campaigns));
        auto campaigns = server.Data().Campaigns();
        for (std::size_t i = 0; i < matches.size(); ++i) {
            EXPECT_EQ(matches[i][0], campaigns[i].campaignId);
            EXPECT_EQ(matches[i][1], campaigns[i].title);
        }
    }
}

TEST_F(BackOfficeContract, PromotedItemsOfEachCampaign) {
    for (const SimCampaign& campaign : server.Data().Campaigns()) {
        auto matches = MatchGroups(patterns::kPromotedItems,
                                   Get(AdGroupQuery(campaign.campaignId), cookie).body);
        ASSERT_EQ(matches.size(), campaign.items.size()) << campaign.campaignId;
        for (std::size_t i = 0; i < matches.size(); ++i) {
            const SimItem& item = campaign.items[i];
            EXPECT_EQ(matches[i][0], item.adGroupId);
            EXPECT_EQ(matches[i][1], item.itemId);
            // Titles are cut at their first quote, escaped or not.
            EXPECT_EQ(matches[i][2], item.title.substr(0, item.title.find('"')) +
                                         (item.title.find('"') == std::string::npos ? "" : "\\"));
            EXPECT_EQ(matches[i][3], item.imgUrl);
        }
    }
}

TEST_F(BackOfficeContract, ItemsOfUnknownCampaignAreNone) {
    EXPECT_TRUE(
        MatchGroups(patterns::kPromotedItems, Get(AdGroupQuery("999"), cookie).body).empty());
}

TEST_F(BackOfficeContract, ItemPagesFollowPageNumberAndSize) {
    server.Data().SetCampaigns(GeneratedCampaigns(1, 5, 1));
    const std::string id = server.Data().Campaigns()[0].campaignId;
    auto page = [&](int number, int size) {
        return MatchGroups(patterns::kPromotedItems,
                           Get("/adgroup/adGroupList.htm?queryVO=" +
                                   EncodeAll("{\"pageNumber\":" + std::to_string(number) +
                                             ",\"pageSize\":" + std::to_string(size) +
                                             ",\"campaignId\":\"" + id + "\"}"),
                               cookie)
                               .body);
    };
    EXPECT_EQ(page(1, 200).size(), 5u);
    EXPECT_EQ(page(1, 2).size(), 2u);
    ASSERT_EQ(page(3, 2).size(), 1u);
    EXPECT_EQ(page(3, 2)[0][0], server.Data().Campaigns()[0].items[4].adGroupId);
    EXPECT_TRUE(page(4, 2).empty());
}

TEST_F(BackOfficeContract, KeywordListOfEachAdGroup) {
    for (const SimCampaign& campaign : server.Data().Campaigns()) {
        for (const SimItem& item : campaign.items) {
            auto matches =
                MatchGroups(patterns::kKeywords,
                            Get(KeywordQuery(campaign.campaignId, item.adGroupId), cookie).body);
            ASSERT_EQ(matches.size(), item.keywords.size()) << item.adGroupId;
            for (std::size_t i = 0; i < matches.size(); ++i) {
                EXPECT_EQ(matches[i][0], item.keywords[i].word);
                EXPECT_EQ(matches[i][1], std::to_string(item.keywords[i].maxPriceFen));
                EXPECT_EQ(matches[i][2], item.keywords[i].keywordId);
            }
        }
    }
}

TEST_F(BackOfficeContract, KeywordListEdgeCases) {
    SimCampaign campaign{"501", "测试计划", {}};
    campaign.items.push_back(MakeItem("501", 0, "空宝贝", {}));
    campaign.items.push_back(MakeItem("501", 1, "连衣裙宝贝", {"连衣裙", "雪纺连衣裙", "长裙"}));
    server.Data().SetCampaigns({campaign});
    const std::string emptyGroup = campaign.items[0].adGroupId;
    const std::string fullGroup = campaign.items[1].adGroupId;
    struct Case {
        std::string target;
        std::vector<std::string> words;
    } cases[] = {
        {KeywordQuery("501", emptyGroup), {}},
        {KeywordQuery("501", fullGroup), {"连衣裙", "雪纺连衣裙", "长裙"}},
        {KeywordQuery("502", fullGroup), {}}, // ad group of another campaign
        {"/bidword/list.htm?campaignId=501&adGroupId=" + fullGroup +
             "&queryWord=" + EncodeAll("连衣裙"),
         {"连衣裙", "雪纺连衣裙"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words;
        for (const auto& m : MatchGroups(patterns::kKeywords, Get(c.target, cookie).body)) {
            words.push_back(m[0]);
        }
        EXPECT_EQ(words, c.words) << c.target;
    }
}

TEST_F(BackOfficeContract, RankingLookupListsTheAdsInOrder) {
    const std::string keyword = "连衣裙";
    auto matches = MatchGroups(
        patterns::kRankedAds,
        Get("/insight/doWhois.htm?bidword=" + EncodeAll(keyword) + "&queryAdType=0", cookie).body);
    std::vector<std::string> ids;
    for (const auto& m : matches) {
        ids.push_back(m[0]);
    }
    EXPECT_EQ(ids, server.Data().RankedAdIds(keyword));
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kRankedAdCount));
}

TEST_F(BackOfficeContract, MerchantItemShowsAtItsDerivedPosition) {
    // 半身裙 belongs to one promoted item only, so nothing competes for its place.
    const SimItem item = server.Data().Campaigns()[0].items[2];
    const std::string keyword = "半身裙";
    int expected = DerivedRankPosition(keyword, item.itemId);
    auto matches = MatchGroups(
        patterns::kRankedAds,
        Get("/insight/doWhois.htm?bidword=" + EncodeAll(keyword) + "&queryAdType=0", cookie).body);
    int found = 0;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (matches[i][0] == item.itemId) {
            EXPECT_EQ(found, 0) << "item listed twice";
            found = static_cast<int>(i) + 1;
        }
    }
    EXPECT_EQ(found, expected);
}

TEST_F(BackOfficeContract, RankingLookupServesASetList) {
    server.Data().SetRankedAdIds("长裙", {"11", "520001", "33", "44", "520001"});
    auto matches = MatchGroups(
        patterns::kRankedAds,
        Get("/insight/doWhois.htm?bidword=" + EncodeAll("长裙") + "&queryAdType=0", cookie).body);
    ASSERT_EQ(matches.size(), 5u);
    EXPECT_EQ(matches[1][0], "520001");
    EXPECT_EQ(matches[4][0], "520001");
}

TEST_F(BackOfficeContract, MarketAnalysisHasSevenDayRecords) {
    const std::string keyword = "雪纺连衣裙";
    HttpResult r = Post(MarketTarget(keyword), MarketBody(keyword), cookie);
    auto matches = MatchGroups(patterns::kMarketDays, r.body);
    std::vector<SimMarketDay> days = server.Data().MarketDays(keyword);
    ASSERT_EQ(matches.size(), 7u);
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const SimMarketDay& d = days[i];
        const std::vector<std::string> expected = {
            std::to_string(d.impression),  std::to_string(d.price), std::to_string(d.ctr),
            std::to_string(d.competition), std::to_string(d.cvr),   std::to_string(d.avgPrice)};
        EXPECT_EQ(matches[i], expected) << "day " << i + 1;
    }
    // Newest day first, from the requested range.
    EXPECT_NE(r.body.find(R"("date":"2026-12-09")"), std::string::npos);
    EXPECT_LT(r.body.find("2026-12-09"), r.body.find("2026-12-03"));
}

TEST_F(BackOfficeContract, MarketAnalysisServesSetDays) {
    SimMarketDay day{1000, 20, 100, 2, 50, 20, 90};
    server.Data().SetMarketDays("长裙", {day, day, day});
    auto matches = MatchGroups(patterns::kMarketDays,
                               Post(MarketTarget("长裙"), MarketBody("长裙"), cookie).body);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[2], (std::vector<std::string>{"1000", "100", "2", "50", "20", "90"}));
}

TEST_F(BackOfficeContract, RelatedWordsOfAKeyword) {
    const std::string keyword = "连衣裙";
    HttpResult r = Post(
        "/report/getRelatedBidwordList.htm?bidwordstr=" + EncodeAll(keyword) + "&theDate=2026-12-9",
        "_referer=/tools/insight/queryresult?kws=" + EncodeAll(keyword) +
            "&tab=tabs-category&start=&end=&isAjaxRequest=true&sla=json&token=" + token,
        cookie);
    std::vector<std::string> words;
    for (const auto& m : MatchGroups(patterns::kRelatedWords, r.body)) {
        words.push_back(m[0]);
    }
    EXPECT_EQ(words, server.Data().RelatedWords(keyword));
    EXPECT_EQ(words.size(), 8u);
}

TEST_F(BackOfficeContract, RelatedWordsWithFigures) {
    const std::string keyword = "连衣裙";
    HttpResult r =
        Post("/insight/loadRelWord4Bidword.htm?bidword=" + EncodeAll(keyword),
             "sla=json&isAjaxRequest=true&token=" + token +
                 "&_referer=%2Ftools%2Finsight-old%2Fqueryresult?kws=" + EncodeAll(keyword) +
                 "&tab=tabs-category",
             cookie);
    auto matches = MatchGroups(patterns::kRelatedWordsWithFigures, r.body);
    auto words = server.Data().RelatedWordFigures(keyword);
    ASSERT_EQ(matches.size(), words.size());
    ASSERT_FALSE(words.empty());
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const SimRelatedWord& w = words[i];
        EXPECT_EQ(matches[i],
                  (std::vector<std::string>{w.word, w.pv, w.click, w.avgPrice, w.competition, w.ctr,
                                            w.cvr, w.avgPriceYuan}));
    }
}

TEST_F(BackOfficeContract, EmptyKeywordHasNoRelatedWords) {
    HttpResult related = Post("/report/getRelatedBidwordList.htm?bidwordstr=&theDate=2026-12-9",
                              "token=" + token, cookie);
    HttpResult figures =
        Post("/insight/loadRelWord4Bidword.htm?bidword=", "token=" + token, cookie);
    EXPECT_TRUE(related.body.find(R"("success":true)") != std::string::npos);
    EXPECT_TRUE(MatchGroups(patterns::kRelatedWords, related.body).empty());
    EXPECT_TRUE(MatchGroups(patterns::kRelatedWordsWithFigures, figures.body).empty());
}

TEST_F(BackOfficeContract, QuotesInDataAreEscapedNotBreakingRecords) {
    SimCampaign campaign{"601", "计划", {}};
    campaign.items.push_back(MakeItem("601", 0, "宝贝", {"a\"b", "c\\d", "e"}));
    server.Data().SetCampaigns({campaign});
    auto matches = MatchGroups(patterns::kKeywords,
                               Get(KeywordQuery("601", campaign.items[0].adGroupId), cookie).body);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[0][0], "a\\");
    EXPECT_EQ(matches[1][0], "c\\\\d");
    EXPECT_EQ(matches[2][0], "e");
    EXPECT_EQ(matches[2][2], campaign.items[0].keywords[2].keywordId);
}

} // namespace
} // namespace dalmiro::sim::test
