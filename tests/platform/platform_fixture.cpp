#include "platform_fixture.h"

#include "net/cookie_store.h"
#include "net/http.h"
#include "platform/platform_handlers.h"

namespace dalmiro::test {

namespace {

// The bindings of the back-office commands, as the program's binding table has them.
struct Route {
    WindowId window;
    std::string_view source;
    EventKind event;
    Handler handler;
};

constexpr Route kRoutes[] = {
    {WindowId::Main, kTabs, EventKind::TabChanged, OnTabChanged},
    {WindowId::Main, kCampaignButton, EventKind::Clicked, OnGetCampaignsClicked},
    {WindowId::Main, kItemButton, EventKind::Clicked, OnGetPromotedItemsClicked},
    {WindowId::Main, kKeywordButton, EventKind::Clicked, OnGetKeywordsClicked},
    {WindowId::Analysis, "AnalysisWindow", EventKind::Created, OnAnalysisWindowCreated},
    {WindowId::Analysis, kUpdateBidMenu, EventKind::MenuSelected, OnUpdateBidMenu},
};

std::string StartedBaseUrl(sim::SimServer& server) {
    ClearCookies();
    EXPECT_TRUE(server.Start());
    return server.BaseUrl();
}

} // namespace

PlatformTest::PlatformTest() : ctx{ui, state, HostsAt(StartedBaseUrl(server))} {
    ui.SetEventSink(
        [this](WindowId window, std::string_view source, EventKind event, const EventArgs& args) {
            for (const Route& route : kRoutes)
                if (route.window == window && route.source == source && route.event == event)
                    route.handler(ctx, args);
        });
}

PlatformTest::~PlatformTest() {
    server.Stop();
    ClearCookies();
}

void PlatformTest::SignIn() {
    const sim::SimAccount account = server.Data().Account();
    HttpRequestOptions options;
    options.headers = "Content-Type: application/x-www-form-urlencoded\r\n";
    options.body = "loginId=" + account.loginId + "&password=" + account.password;
    HttpRequest(server.BaseUrl() + "/login.htm", 1, options);
}

void PlatformTest::SwitchTab(int tab) {
    ui.SelectTab(WindowId::Main, kTabs, tab);
}

void PlatformTest::Click(std::string_view button) {
    ui.Fire(WindowId::Main, button, EventKind::Clicked);
}

void PlatformTest::PickCampaign(int index) {
    ui.SetComboSelectedIndex(WindowId::Main, "组合框_推广计划", index);
}

void PlatformTest::PickItem(int index) {
    ui.SetComboSelectedIndex(WindowId::Main, "组合框_推广宝贝", index);
}

void PlatformTest::OpenRanking(int campaign, int item) {
    SignIn();
    SwitchTab(1);
    Click(kCampaignButton);
    PickCampaign(campaign);
    Click(kItemButton);
    PickItem(item);
    Click(kKeywordButton);
}

void PlatformTest::UpdateBid(int row, std::optional<std::string> typed) {
    ui.SelectListRows(WindowId::Analysis, "超级列表框1", {row});
    ui.ScriptTextAnswer(typed ? std::optional<Text>(Gbk(*typed)) : std::nullopt);
    ui.SelectMenu(WindowId::Analysis, kUpdateBidMenu);
}

std::vector<Text> PlatformTest::ComboItems(std::string_view combo) {
    std::vector<Text> items;
    for (int i = 0; i < ui.ComboItemCount(WindowId::Main, combo); ++i)
        items.push_back(ui.ComboItemText(WindowId::Main, combo, i));
    return items;
}

std::vector<std::vector<Text>> PlatformTest::RankRows() {
    return ui.ListRows(WindowId::Analysis, "超级列表框1");
}

std::vector<std::string> PlatformTest::MessageTexts() {
    std::vector<std::string> texts;
    for (const ShownMessage& message : ui.Messages())
        texts.push_back(GbkToUtf8(message.text));
    return texts;
}

std::vector<sim::SimCampaign> NumberedCampaigns(int count, long long firstId) {
    std::vector<sim::SimCampaign> campaigns;
    for (int i = 0; i < count; ++i) {
        const std::string id = std::to_string(firstId + i);
        campaigns.push_back({id, "计划" + id, {}});
    }
    return campaigns;
}

} // namespace dalmiro::test
