// The merchant's path through the second tab against the substitute back office: sign in, switch
// tabs, load campaigns and items, open the ranking window with the ad group's keywords.
#include "platform_fixture.h"

#include "platform/bid_amount.h"

namespace dalmiro::test {
namespace {

constexpr std::string_view kCampaignCombo = "组合框_推广计划";
constexpr std::string_view kItemCombo = "组合框_推广宝贝";

TEST_F(PlatformTest, SignedInMerchantGetsFromCampaignsToTheRankingWindow) {
    server.Data().SetFixedToken("tok-42");
    SignIn();
    SwitchTab(1);
    EXPECT_EQ(state.platform.loginToken, "tok-42");

    Click(kCampaignButton);
    const auto campaigns = server.Data().Campaigns();
    const std::vector<Text> campaignItems = ComboItems(kCampaignCombo);
    ASSERT_EQ(campaignItems.size(), campaigns.size());
    EXPECT_EQ(campaignItems[0], Gbk(campaigns[0].title));
    for (std::size_t i = 0; i < campaigns.size(); ++i)
        EXPECT_EQ(std::to_string(state.platform.campaignIds.At(static_cast<int>(i) + 1)),
                  campaigns[i].campaignId);
    EXPECT_EQ(ui.ComboSelectedIndex(WindowId::Main, kCampaignCombo), -1);

    PickCampaign(0);
    Click(kItemButton);
    const auto& items = campaigns[0].items;
    ASSERT_EQ(ComboItems(kItemCombo).size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int entry = static_cast<int>(i) + 1;
        EXPECT_EQ(ComboItems(kItemCombo)[i], Gbk(items[i].title));
        EXPECT_EQ(state.platform.adGroupIds.At(entry), items[i].adGroupId);
        EXPECT_EQ(state.platform.promotedItemIds.At(entry), items[i].itemId);
        EXPECT_EQ(state.platform.promotedItemImagePaths.At(entry), items[i].imgUrl);
    }

    PickItem(1);
    state.stopRequested = 1;
    Click(kKeywordButton);

    EXPECT_EQ(ui.GetText(WindowId::Main, "编辑框1"),
              Gbk("◆◆◆◆◆◆◆◆◆◆运行日志◆◆◆◆◆◆◆◆◆◆\r\n当前推广计划：" + campaigns[0].title +
                  "\r\n当前推广宝贝：" + items[1].title + "\r\n当前计划有" +
                  std::to_string(items.size()) + "个推广宝贝\r\n当前宝贝地址：" + server.BaseUrl() +
                  "/item.htm?id=" + items[1].itemId));
    EXPECT_TRUE(ui.IsPictureScaled(WindowId::Main, "图片框1"));
    EXPECT_FALSE(ui.Picture(WindowId::Main, "图片框1").empty());

    ASSERT_TRUE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_EQ(state.stopRequested, 0) << "opening the ranking window clears the stop flag";
    const auto& keywords = items[1].keywords;
    const auto rows = RankRows();
    ASSERT_EQ(rows.size(), keywords.size());
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i][1], Gbk(keywords[i].word));
        EXPECT_EQ(rows[i][2], BidYuanText(static_cast<double>(keywords[i].maxPriceFen)));
        EXPECT_EQ(rows[i][9], keywords[i].keywordId);
    }
    EXPECT_EQ(ui.ProgressMaximum(WindowId::Main, "进度条1"), static_cast<int>(keywords.size()));
    EXPECT_EQ(ui.ProgressPosition(WindowId::Main, "进度条1"), static_cast<int>(keywords.size()));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PlatformTest, EveryTabChangeFetchesTheTokenAgain) {
    server.Data().SetFixedToken("first");
    SwitchTab(1);
    EXPECT_EQ(state.platform.loginToken, "") << "not signed in yet";

    SignIn();
    SwitchTab(2);
    EXPECT_EQ(state.platform.loginToken, "first");

    // A new session with a new token replaces the old token at the next change, whichever tab.
    server.SignOutEveryone();
    server.Data().SetFixedToken("a+b/c=%");
    SignIn();
    SwitchTab(0);
    EXPECT_EQ(state.platform.loginToken, "a+b/c=%");

    // Signed out: the next change empties the token; nothing is said on a tab change.
    server.SignOutEveryone();
    SwitchTab(1);
    EXPECT_EQ(state.platform.loginToken, "");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PlatformTest, AnUnreachableBackOfficeEmptiesTheToken) {
    SignIn();
    SwitchTab(1);
    ASSERT_FALSE(state.platform.loginToken.empty());
    server.Stop();
    SwitchTab(2);
    EXPECT_EQ(state.platform.loginToken, "");
}

} // namespace
} // namespace dalmiro::test
