// Loading campaigns and promoted items into the two combo boxes and the id tables.
#include "canned_platform_fixture.h"

#include "platform/platform_texts.h"

namespace dalmiro::test {
namespace {

namespace texts = platform_texts;
constexpr std::string_view kCampaignCombo = "组合框_推广计划";
constexpr std::string_view kItemCombo = "组合框_推广宝贝";

TEST_F(PlatformTest, TitlesWithAnEscapedQuoteAreCutAtTheQuote) {
    SignIn();
    SwitchTab(1);
    Click(kCampaignButton);
    // The campaign reply spells the title 碎花长裙\"清仓\",夏季专场 ; the lazy group stops at the
    // first quote followed by a comma, so the backslash before it stays.
    ASSERT_EQ(ComboItems(kCampaignCombo).size(), 4u);
    EXPECT_EQ(ComboItems(kCampaignCombo)[2], Gbk(R"(碎花长裙\"清仓\)"));

    PickCampaign(2);
    Click(kItemButton);
    ASSERT_EQ(ComboItems(kItemCombo).size(), 1u);
    EXPECT_EQ(ComboItems(kItemCombo)[0], Gbk(R"(雪纺衫\)"));
}

TEST_F(PlatformTest, AShorterReloadKeepsTheEntriesAboveIt) {
    SignIn();
    server.Data().SetCampaigns(NumberedCampaigns(5, 101));
    Click(kCampaignButton);
    server.Data().SetCampaigns(NumberedCampaigns(3, 201));
    Click(kCampaignButton);

    EXPECT_EQ(ComboItems(kCampaignCombo),
              (std::vector<Text>{Gbk("计划201"), Gbk("计划202"), Gbk("计划203")}));
    const long long expected[] = {201, 202, 203, 104, 105};
    for (int entry = 1; entry <= 5; ++entry)
        EXPECT_EQ(state.platform.campaignIds.At(entry), expected[entry - 1]) << entry;
}

TEST_F(PlatformTest, TablesGrowPastTheOldCapacities) {
    SignIn();
    server.Data().SetCampaigns(sim::GeneratedCampaigns(12, 120, 1));
    Click(kCampaignButton);
    ASSERT_EQ(ComboItems(kCampaignCombo).size(), 12u);
    EXPECT_EQ(std::to_string(state.platform.campaignIds.At(12)),
              server.Data().Campaigns()[11].campaignId);

    PickCampaign(11);
    Click(kItemButton);
    ASSERT_EQ(ComboItems(kItemCombo).size(), 120u);
    EXPECT_EQ(state.platform.adGroupIds.At(120),
              server.Data().Campaigns()[11].items[119].adGroupId);
}

TEST_F(PlatformTest, ALongCampaignIdIsKeptWholeAndSentAsItStands) {
    SignIn();
    sim::SimCampaign campaign{"98765432101234", "长编号计划", {}};
    campaign.items.push_back(sim::MakeItem(campaign.campaignId, 0, "宝贝", {"词"}));
    server.Data().SetCampaigns({campaign});

    Click(kCampaignButton);
    EXPECT_EQ(state.platform.campaignIds.At(1), 98765432101234LL);
    PickCampaign(0);
    Click(kItemButton);
    EXPECT_EQ(ComboItems(kItemCombo), std::vector<Text>{Gbk("宝贝")});
}

TEST_F(PlatformTest, ACampaignWithoutItemsEmptiesTheItemList) {
    SignIn();
    Click(kCampaignButton);
    PickCampaign(0);
    Click(kItemButton);
    ASSERT_FALSE(ComboItems(kItemCombo).empty());

    PickCampaign(3); // 新品测款计划 has no promoted items
    Click(kItemButton);
    EXPECT_TRUE(ComboItems(kItemCombo).empty());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PlatformTest, LoadingCampaignsLeavesTheItemsOfTheEarlierChoice) {
    SignIn();
    Click(kCampaignButton);
    PickCampaign(0);
    Click(kItemButton);
    const auto items = ComboItems(kItemCombo);
    Click(kCampaignButton);
    EXPECT_EQ(ComboItems(kItemCombo), items);
    EXPECT_EQ(ui.ComboSelectedIndex(WindowId::Main, kCampaignCombo), -1);
}

TEST_F(PlatformTest, NotSignedInIsSaidOnceInsteadOfAnEmptyList) {
    Click(kCampaignButton);
    EXPECT_TRUE(ComboItems(kCampaignCombo).empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(texts::kSignIn)});
    EXPECT_EQ(ui.Messages()[0].caption, Gbk("信息："));

    // Campaigns loaded in an earlier session: the item load is refused the same way.
    SignIn();
    Click(kCampaignButton);
    PickCampaign(0);
    server.SignOutEveryone();
    Click(kItemButton);
    EXPECT_TRUE(ComboItems(kItemCombo).empty());
    EXPECT_EQ(MessageTexts().size(), 2u);
    EXPECT_EQ(MessageTexts().back(), texts::kSignIn);
}

TEST_F(PlatformTest, AnUnreachableBackOfficeIsSaid) {
    server.Stop();
    Click(kCampaignButton);
    EXPECT_TRUE(ComboItems(kCampaignCombo).empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(texts::kBackOfficeUnreachable)});
}

TEST_F(CannedPlatformTest, FieldNamesAreMatchedInAnyLetterCase) {
    canned.Answer("/campaign/getCampaignDetailInfo.htm",
                  {R"({"CAMPAIGNID":"11","Title":"大写计划","x":1},)"
                   R"({"campaignid":"12","TITLE":"小写计划","x":1})"});
    canned.Answer(
        "/adgroup/adGroupList.htm",
        {R"({"ADGROUPID":"5","OutsideItemNumId":"6","TITLE":"宝贝甲","IMGURL":"/a.jpg"})"});
    Click(kCampaignButton);
    EXPECT_EQ(ComboItems(kCampaignCombo), (std::vector<Text>{Gbk("大写计划"), Gbk("小写计划")}));
    EXPECT_EQ(state.platform.campaignIds.At(2), 12);

    PickCampaign(1);
    Click(kItemButton);
    EXPECT_EQ(ComboItems(kItemCombo), std::vector<Text>{Gbk("宝贝甲")});
    EXPECT_EQ(state.platform.adGroupIds.At(1), "5");
    EXPECT_EQ(state.platform.promotedItemIds.At(1), "6");
    EXPECT_EQ(state.platform.promotedItemImagePaths.At(1), "/a.jpg");
    // The item list asks for page 1 of up to 200 items of the chosen campaign.
    EXPECT_EQ(canned.Requests().back().target,
              "/adgroup/adGroupList.htm?queryVO=%7B%22pageNumber%22%3A1%2C%22pageSize%22%3A200"
              "%2C%22queryTitle%22%3A%22%22%2C%22queryState%22%3A%22%22%2C%22campaignId%22%3A"
              "%2212%22%7D");
}

TEST_F(CannedPlatformTest, NoCampaignChosenSendsNothingAndSaysWhatToPick) {
    ui.ComboInsertItem(WindowId::Main, kItemCombo, 0, Gbk("旧宝贝"));
    Click(kItemButton);
    EXPECT_TRUE(canned.Requests().empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(texts::kPickCampaign)});
    EXPECT_EQ(ComboItems(kItemCombo), std::vector<Text>{Gbk("旧宝贝")});
}

} // namespace
} // namespace dalmiro::test
