// Opening the ranking window with the chosen ad group's keywords.
#include "canned_platform_fixture.h"

#include "platform/platform_texts.h"

namespace dalmiro::test {
namespace {

namespace texts = platform_texts;
constexpr std::string_view kRankList = "超级列表框1";
constexpr std::string_view kProgress = "进度条1";

// One campaign with one promoted item holding these keywords (UTF-8 words, bids in fen).
std::vector<sim::SimCampaign> OneAdGroup(std::vector<sim::SimKeyword> keywords) {
    sim::SimItem item{"678", "5550001", "测试宝贝", "/i1/t.png", std::move(keywords)};
    return {sim::SimCampaign{"45", "测试计划", {item}}};
}

std::vector<Text> Column(const std::vector<std::vector<Text>>& rows, int column) {
    std::vector<Text> cells;
    for (const auto& row : rows)
        cells.push_back(row[column]);
    return cells;
}

TEST_F(PlatformTest, BidsInFenShowAsYuan) {
    server.Data().SetCampaigns(OneAdGroup(
        {{"1", "a", 5}, {"2", "b", 100}, {"3", "c", 35}, {"4", "d", 120}, {"5", "e", 1}}));
    OpenRanking(0, 0);
    EXPECT_EQ(Column(RankRows(), 2), (std::vector<Text>{Gbk("0.05元"), Gbk("1元"), Gbk("0.35元"),
                                                        Gbk("1.2元"), Gbk("0.01元")}));
    EXPECT_EQ(Column(RankRows(), 9), (std::vector<Text>{"1", "2", "3", "4", "5"}));
}

TEST_F(PlatformTest, AKeywordWithAnEscapedQuoteIsCutAtTheQuote) {
    server.Data().SetCampaigns(OneAdGroup({{"1", "牛仔\"短裤", 50}, {"2", "短裤", 60}}));
    OpenRanking(0, 0);
    EXPECT_EQ(Column(RankRows(), 1), (std::vector<Text>{Gbk(R"(牛仔\)"), Gbk("短裤")}));
}

TEST_F(PlatformTest, AnAdGroupWithoutKeywordsOpensAnEmptyWindow) {
    server.Data().SetCampaigns(OneAdGroup({}));
    ui.SetProgressMaximum(WindowId::Main, kProgress, 7);
    OpenRanking(0, 0);
    EXPECT_TRUE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_TRUE(RankRows().empty());
    EXPECT_EQ(ui.ProgressMaximum(WindowId::Main, kProgress), 0);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PlatformTest, PressingAgainReloadsTheWindowWithoutDoublingIt) {
    OpenRanking(0, 0);
    const auto first = RankRows();
    ASSERT_FALSE(first.empty());

    // Open: the same window, its rows replaced; the bar runs again from 0.
    ui.SetProgressPosition(WindowId::Main, kProgress, 3);
    int positionAtFirstRow = -1;
    ui.Post([&] { positionAtFirstRow = ui.ProgressPosition(WindowId::Main, kProgress); });
    Click(kKeywordButton);
    EXPECT_EQ(RankRows(), first);
    EXPECT_EQ(ui.CreationCount(WindowId::Analysis), 1);
    EXPECT_EQ(positionAtFirstRow, 1);

    // Another item while open: its keywords replace the rows.
    PickItem(2);
    Click(kKeywordButton);
    const auto third = server.Data().Campaigns()[0].items[2].keywords;
    EXPECT_EQ(RankRows().size(), third.size());
    EXPECT_EQ(RankRows()[0][1], Gbk(third[0].word));

    // Closed: created anew and loaded once.
    ui.CloseWindow(WindowId::Analysis);
    Click(kKeywordButton);
    EXPECT_EQ(ui.CreationCount(WindowId::Analysis), 2);
    EXPECT_EQ(RankRows().size(), third.size());
}

TEST_F(PlatformTest, APressDuringTheLoadDoesNotInterleaveASecondLoad) {
    SignIn();
    SwitchTab(1);
    Click(kCampaignButton);
    PickCampaign(0);
    Click(kItemButton);
    PickItem(0);
    ui.QueueAfterEvents(2, [&] { Click(kKeywordButton); });
    Click(kKeywordButton);
    const auto keywords = server.Data().Campaigns()[0].items[0].keywords;
    ASSERT_EQ(RankRows().size(), keywords.size());
    for (std::size_t i = 0; i < keywords.size(); ++i)
        EXPECT_EQ(RankRows()[i][0], std::to_string(i + 1));
}

TEST_F(PlatformTest, ClosingTheWindowDuringTheLoadEndsIt) {
    SignIn();
    SwitchTab(1);
    Click(kCampaignButton);
    PickCampaign(0);
    Click(kItemButton);
    PickItem(0);
    ui.QueueAfterEvents(2, [&] { ui.CloseWindow(WindowId::Analysis); });
    Click(kKeywordButton);
    EXPECT_FALSE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_EQ(ui.ProgressPosition(WindowId::Main, kProgress), 2);

    // The load is over: the next press opens and fills the window.
    Click(kKeywordButton);
    EXPECT_EQ(RankRows().size(), server.Data().Campaigns()[0].items[0].keywords.size());
}

TEST_F(PlatformTest, NotSignedInOpensTheWindowAndSaysSoOnce) {
    OpenRanking(0, 0);
    ASSERT_FALSE(RankRows().empty());
    ui.CloseWindow(WindowId::Analysis);
    server.SignOutEveryone();
    Click(kKeywordButton);
    EXPECT_TRUE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_TRUE(RankRows().empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(texts::kSignIn)});
}

TEST_F(CannedPlatformTest, AMissingChoiceSendsNothingAndSaysWhatToPick) {
    const struct {
        bool campaignChosen;
        bool itemChosen;
        std::string_view told;
    } cases[] = {
        {false, false, texts::kPickCampaign},
        {false, true, texts::kPickCampaign},
        {true, false, texts::kPickItem},
    };
    ui.ComboInsertItem(WindowId::Main, "组合框_推广计划", 0, Gbk("计划"));
    ui.ComboInsertItem(WindowId::Main, "组合框_推广宝贝", 0, Gbk("宝贝"));
    for (const auto& c : cases) {
        PickCampaign(c.campaignChosen ? 0 : -1);
        PickItem(c.itemChosen ? 0 : -1);
        const std::size_t before = ui.Messages().size();
        Click(kKeywordButton);
        ASSERT_EQ(ui.Messages().size(), before + 1);
        EXPECT_EQ(MessageTexts().back(), c.told);
    }
    EXPECT_TRUE(canned.Requests().empty());
    EXPECT_FALSE(ui.IsWindowOpen(WindowId::Analysis));
    EXPECT_EQ(ui.GetText(WindowId::Main, "编辑框1"), "");
}

TEST_F(CannedPlatformTest, TheKeywordListIsAskedForTheChosenAdGroup) {
    canned.Answer("/bidword/list.htm",
                  {R"({"WORD":"连衣裙","MaxPrice":"88","KEYWORDID":"9001","x":1})"});
    state.platform.campaignIds.Set(1, 45);
    state.platform.adGroupIds.Set(1, "678");
    ui.ComboInsertItem(WindowId::Main, "组合框_推广计划", 0, Gbk("计划"));
    ui.ComboInsertItem(WindowId::Main, "组合框_推广宝贝", 0, Gbk("宝贝"));
    PickCampaign(0);
    PickItem(0);
    Click(kKeywordButton);
    EXPECT_EQ(RankRows(),
              (std::vector<std::vector<Text>>{{"1", Gbk("连衣裙"), Gbk("0.88元"), "", "", "", "",
                                               "", "", "9001", "", "", ""}}));
    bool asked = false;
    for (const CannedRequest& request : canned.Requests())
        asked |= request.target == "/bidword/list.htm?campaignId=45&adGroupId=678&queryWord=";
    EXPECT_TRUE(asked);
}

} // namespace
} // namespace dalmiro::test
