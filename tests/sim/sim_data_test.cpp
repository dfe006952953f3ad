// The built-in and generated data hold what the client needs to tell records apart.
#include "sim/sim_data.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace dalmiro::sim {
namespace {

// Ids the back office hands out must be unique, campaign ids must fit the client's 32-bit table,
// and every bid must be a positive number of fen.
void ExpectUsable(const std::vector<SimCampaign>& campaigns) {
    std::set<std::string> campaignIds, adGroupIds, itemIds, keywordIds;
    for (const SimCampaign& c : campaigns) {
        EXPECT_TRUE(campaignIds.insert(c.campaignId).second) << c.campaignId;
        EXPECT_LE(std::stoll(c.campaignId), std::numeric_limits<std::int32_t>::max());
        for (const SimItem& item : c.items) {
            EXPECT_TRUE(adGroupIds.insert(item.adGroupId).second) << item.adGroupId;
            EXPECT_TRUE(itemIds.insert(item.itemId).second) << item.itemId;
            EXPECT_EQ(item.imgUrl.front(), '/');
            for (const SimKeyword& k : item.keywords) {
                EXPECT_TRUE(keywordIds.insert(k.keywordId).second) << k.keywordId;
                EXPECT_GT(k.maxPriceFen, 0);
            }
        }
    }
}

TEST(SimDataModel, DefaultAndGeneratedDataAreUsable) {
    ExpectUsable(DefaultCampaigns());
    std::vector<SimCampaign> generated = GeneratedCampaigns(10, 20, 30);
    ASSERT_EQ(generated.size(), 10u);
    EXPECT_EQ(generated[9].items.size(), 20u);
    EXPECT_EQ(generated[9].items[19].keywords.size(), 30u);
    ExpectUsable(generated);
}

TEST(SimDataModel, ResetRestoresTheDefaults) {
    SimData data;
    const SimKeyword keyword = data.Campaigns()[0].items[0].keywords[0];
    data.SetBid(keyword.keywordId, keyword.maxPriceFen + 1);
    data.SetCampaigns({});
    data.SetItemCount("连衣裙", 7);
    data.SetAnnouncedVersion("9.9");
    data.Reset();
    EXPECT_EQ(data.FindKeyword(keyword.keywordId)->maxPriceFen, keyword.maxPriceFen);
    EXPECT_EQ(data.ItemCount("连衣裙"), DerivedItemCount("连衣裙"));
    EXPECT_EQ(data.Notice().version, "1.5");
}

TEST(SimDataModel, FactsFollowTheKeywordOnly) {
    EXPECT_EQ(DerivedRelatedWords("连衣裙"), DerivedRelatedWords("连衣裙"));
    EXPECT_NE(DerivedRelatedWords("连衣裙"), DerivedRelatedWords("长裙"));
    for (const std::string& word : DerivedRelatedWords("雪纺")) {
        EXPECT_NE(word, "雪纺雪纺") << "no attribute the keyword already holds";
    }
    EXPECT_TRUE(DerivedRelatedWords("").empty());
    EXPECT_TRUE(DerivedSuggestions("").empty());
    EXPECT_EQ(DerivedItemCount(""), 0);
    EXPECT_EQ(DerivedMarketDays("").size(), 7u);
}

} // namespace
} // namespace dalmiro::sim
