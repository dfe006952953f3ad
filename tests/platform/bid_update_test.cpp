// "更新出价" in the ranking window.
#include "canned_platform_fixture.h"

#include "platform/platform_texts.h"
#include "util/event_pump.h"

#include <functional>

namespace dalmiro::test {
namespace {

namespace texts = platform_texts;
constexpr std::string_view kRankList = "超级列表框1";

Text BidCell(MemoryUi& ui, int row) {
    return ui.ListCellText(WindowId::Analysis, kRankList, row, 2);
}

TEST_F(PlatformTest, ANewBidIsSentInFenShownInTheRowAndSeenInTheNextLoad) {
    OpenRanking(0, 0);
    const Text before = BidCell(ui, 1);
    const std::string keywordId = GbkToUtf8(ui.ListCellText(WindowId::Analysis, kRankList, 1, 9));

    UpdateBid(1, "2.355");
    ASSERT_EQ(ui.TextQuestions().size(), 1u);
    EXPECT_EQ(ui.TextQuestions()[0].initial + Gbk("元"), before) << "prefilled without the unit";
    EXPECT_EQ(BidCell(ui, 1), Gbk("2.36元"));
    ASSERT_EQ(ui.BalloonTips().size(), 1u);
    EXPECT_EQ(ui.BalloonTips()[0].window, WindowId::Analysis);
    EXPECT_EQ(ui.BalloonTips()[0].control, "气球提示框1");
    EXPECT_EQ(ui.BalloonTips()[0].text, Gbk("已更新出价"));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(server.Data().FindKeyword(keywordId)->maxPriceFen, 236);

    ui.CloseWindow(WindowId::Analysis);
    Click(kKeywordButton);
    EXPECT_EQ(BidCell(ui, 1), Gbk("2.36元"));
}

TEST_F(PlatformTest, ARefusedUpdateAsksForSigningInAndLeavesTheRow) {
    OpenRanking(0, 0);
    const Text before = BidCell(ui, 0);
    const std::string keywordId = GbkToUtf8(ui.ListCellText(WindowId::Analysis, kRankList, 0, 9));
    const long long stored = server.Data().FindKeyword(keywordId)->maxPriceFen;

    // A new session whose token was never fetched (no tab change): the old token is refused.
    server.SignOutEveryone();
    server.Data().SetFixedToken("fresh");
    SignIn();
    UpdateBid(0, "3");
    // Signed out altogether.
    server.SignOutEveryone();
    UpdateBid(0, "3");

    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{std::string(texts::kSignIn), std::string(texts::kSignIn)}));
    EXPECT_EQ(BidCell(ui, 0), before);
    EXPECT_TRUE(ui.BalloonTips().empty());
    EXPECT_EQ(server.Data().FindKeyword(keywordId)->maxPriceFen, stored);
}

TEST_F(PlatformTest, AFailedUpdateIsReportedAsFailed) {
    OpenRanking(0, 0);
    const Text before = BidCell(ui, 0);
    // The back office's failure answer for a keyword it does not know.
    ui.SetListCellText(WindowId::Analysis, kRankList, 0, 9, "1");
    UpdateBid(0, "3");
    // An error status.
    ui.SetListCellText(WindowId::Analysis, kRankList, 1, 9,
                       ui.ListCellText(WindowId::Analysis, kRankList, 2, 9));
    server.SetFault("/bidword/updatePrice.htm", sim::Fault::ErrorStatus(500));
    UpdateBid(1, "3");
    // No reply at all.
    server.SetFault("/bidword/updatePrice.htm", sim::Fault::Reset());
    UpdateBid(1, "3");

    EXPECT_EQ(MessageTexts(), std::vector<std::string>(3, std::string(texts::kBidFailed)));
    EXPECT_EQ(BidCell(ui, 0), before);
    EXPECT_NE(BidCell(ui, 1), Gbk("3元"));
    EXPECT_TRUE(ui.BalloonTips().empty());
}

// A ranking row for keyword 123 of ad group 678 in campaign 45, as a load would leave it.
class CannedBidTest : public CannedPlatformTest {
  protected:
    CannedBidTest() {
        state.platform.campaignIds.Set(1, 45);
        state.platform.adGroupIds.Set(1, "678");
        ui.ComboInsertItem(WindowId::Main, "组合框_推广计划", 0, Gbk("计划"));
        ui.ComboInsertItem(WindowId::Main, "组合框_推广宝贝", 0, Gbk("宝贝"));
        PickCampaign(0);
        PickItem(0);
        canned.Answer("/bidword/list.htm", {"[]"}); // the window's own load finds nothing
        ui.OpenWindow(WindowId::Analysis);
        ui.AddListRow(WindowId::Analysis, kRankList,
                      {"1", Gbk("连衣裙"), Gbk("0.35元"), "", "", "", "", "", "", "123"});
        canned.Answer("/bidword/updatePrice.htm", {R"({"success":true,"code":"200"})"});
    }

    std::vector<CannedRequest> BidPosts() const {
        std::vector<CannedRequest> posts;
        for (const CannedRequest& request : canned.Requests())
            if (request.target == "/bidword/updatePrice.htm")
                posts.push_back(request);
        return posts;
    }
};

TEST_F(CannedBidTest, TheBodyCarriesTheBidInFenAndTheTokenAsItStands) {
    state.platform.loginToken = "t+k/9";
    UpdateBid(0, "1.2");
    ASSERT_EQ(BidPosts().size(), 1u);
    const CannedRequest sent = BidPosts()[0];
    EXPECT_EQ(sent.method, "POST");
    EXPECT_EQ(sent.target, "/bidword/updatePrice.htm");
    EXPECT_EQ(sent.body,
              "keywords=%5B%7B%22keywordId%22%3A%22123%22%2C%22maxPrice%22%3A120%2C"
              "%22isDefaultPrice%22%3A0%7D%5D&sla=json&isAjaxRequest=true&token=t+k/9"
              "&_referer=%2Fcampaigns%2Fstandards%2Fadgroups%2Fitems%2Fdetail%3Ftab%3Dbidword"
              "%26campaignId%3D45%26adGroupId%3D678");
    EXPECT_EQ(BidCell(ui, 0), Gbk("1.2元"));
}

TEST_F(CannedBidTest, AnEmptyTokenStillSendsAndTheRefusalAsksForSigningIn) {
    canned.Answer("/bidword/updatePrice.htm", {R"({"success":false,"code":"602","msg":"x"})"});
    UpdateBid(0, "1");
    ASSERT_EQ(BidPosts().size(), 1u);
    EXPECT_NE(BidPosts()[0].body.find("&token=&_referer="), std::string::npos);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(texts::kSignIn)});
    EXPECT_EQ(BidCell(ui, 0), Gbk("0.35元"));
}

TEST_F(CannedBidTest, NothingIsSentWithoutARowAnIdAChoiceOrAValidBid) {
    const auto noRow = [&] { ui.SelectListRows(WindowId::Analysis, kRankList, {}); };
    const auto rowWithoutId = [&] {
        ui.AddListRow(WindowId::Analysis, kRankList, {"2", Gbk("导入的词")});
        ui.SelectListRows(WindowId::Analysis, kRankList, {1});
    };
    const auto noItem = [&] { PickItem(-1); };
    const auto noCampaign = [&] { PickCampaign(-1); };
    const struct {
        std::function<void()> arrange;
        bool asked; // whether the bid question comes up
        std::optional<std::string> typed;
        std::optional<std::string_view> told;
    } cases[] = {
        {noRow, false, {}, texts::kPickKeywordRow},
        {rowWithoutId, false, {}, texts::kRowWithoutKeywordId},
        {noItem, false, {}, texts::kPickItem},
        {noCampaign, false, {}, texts::kPickCampaign},
        {{}, true, "0", texts::kBidInvalid},
        {{}, true, "0.004", texts::kBidInvalid},
        {{}, true, "-1", texts::kBidInvalid},
        {{}, true, "abc", texts::kBidInvalid},
        {{}, true, "", texts::kBidInvalid},
        {{}, true, std::nullopt, std::nullopt}, // the question was cancelled
    };
    for (const auto& c : cases) {
        PickCampaign(0);
        PickItem(0);
        ui.SelectListRows(WindowId::Analysis, kRankList, {0});
        if (c.arrange)
            c.arrange();
        if (c.asked)
            ui.ScriptTextAnswer(c.typed ? std::optional<Text>(Gbk(*c.typed)) : std::nullopt);
        const std::size_t messages = ui.Messages().size();
        const std::size_t questions = ui.TextQuestions().size();
        ui.SelectMenu(WindowId::Analysis, kUpdateBidMenu);
        EXPECT_EQ(ui.TextQuestions().size(), questions + (c.asked ? 1 : 0));
        if (c.told) {
            ASSERT_EQ(ui.Messages().size(), messages + 1) << *c.told;
            EXPECT_EQ(MessageTexts().back(), *c.told);
        } else {
            EXPECT_EQ(ui.Messages().size(), messages);
        }
    }
    EXPECT_TRUE(BidPosts().empty());
    EXPECT_EQ(BidCell(ui, 0), Gbk("0.35元"));
    EXPECT_TRUE(ui.BalloonTips().empty());
}

TEST_F(CannedBidTest, TheNewBidLandsInTheKeywordsRowEvenIfTheListWasSortedMeanwhile) {
    ui.AddListRow(WindowId::Analysis, kRankList,
                  {"2", Gbk("半身裙"), Gbk("0.5元"), "", "", "", "", "", "", "456"});
    // Events run while the request waits for its slow reply; a sort swaps the two rows then.
    canned.Answer("/bidword/updatePrice.htm", {R"({"success":true})", 200, 300});
    SetEventPump([&] { ui.ProcessPendingEvents(); });
    ui.Post([&] {
        const auto rows = RankRows();
        for (int column = 0; column < static_cast<int>(rows[0].size()); ++column) {
            ui.SetListCellText(WindowId::Analysis, kRankList, 0, column, rows[1][column]);
            ui.SetListCellText(WindowId::Analysis, kRankList, 1, column, rows[0][column]);
        }
    });
    UpdateBid(0, "0.9");
    SetEventPump({});
    EXPECT_EQ(ui.QueuedActionCount(), 0) << "the sort ran during the request";
    EXPECT_EQ(BidCell(ui, 0), Gbk("0.5元"));
    EXPECT_EQ(BidCell(ui, 1), Gbk("0.9元"));
}

} // namespace
} // namespace dalmiro::test
