#pragma once
// The in-memory windows wired to the back-office handlers, in front of a substitute back office
// on loopback reached through the real HTTP layer and the process cookie store.
#include "app/bindings.h"
#include "app/context.h"
#include "sim/sim_server.h"
#include "support/memory_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dalmiro::test {

// Control names the tests press and read.
inline constexpr std::string_view kTabs = "选择夹1";
inline constexpr std::string_view kCampaignButton = "按钮_获取推广计划";
inline constexpr std::string_view kItemButton = "按钮_获取推广宝贝";
inline constexpr std::string_view kKeywordButton = "按钮_获取关键词";
inline constexpr std::string_view kUpdateBidMenu = "更新出价";

class PlatformTest : public ::testing::Test {
  protected:
    PlatformTest();
    ~PlatformTest() override;

    // Posts the sign-in form over HTTP, so the session cookie lands in the process store the
    // way the browser view's cookies do.
    void SignIn();
    void SwitchTab(int tab);
    void Click(std::string_view button);
    void PickCampaign(int index);
    void PickItem(int index);
    // Signs in, switches tabs, loads and picks the campaign and the item, and presses
    // "获取关键词".
    void OpenRanking(int campaign, int item);
    // Selects the ranking row, answers the bid question with `typed` (UTF-8) and runs
    // "更新出价".
    void UpdateBid(int row, std::optional<std::string> typed);

    std::vector<Text> ComboItems(std::string_view combo);
    std::vector<std::vector<Text>> RankRows();
    // The texts of the message boxes shown so far, as UTF-8.
    std::vector<std::string> MessageTexts();

    sim::SimServer server;
    MemoryUi ui;
    ProgramState state;
    AppContext ctx;
};

// Campaigns of `count` entries whose ids and titles are numbered from `first`.
std::vector<sim::SimCampaign> NumberedCampaigns(int count, long long firstId);

} // namespace dalmiro::test
