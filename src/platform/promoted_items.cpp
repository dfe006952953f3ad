#include "platform/promoted_items.h"

#include "platform/back_office_reply.h"
#include "platform/load_guard.h"
#include "platform/platform_texts.h"
#include "platform/platform_urls.h"
#include "platform/reply_patterns.h"
#include "platform/selection.h"
#include "util/regex_matcher.h"

namespace dalmiro {

namespace {

void FillPromotedItems(AppContext& ctx, const ChosenCampaign& campaign) {
    const auto reply =
        FetchBackOfficeList(ctx, PromotedItemListUrl(ctx.hosts, campaign.campaignId));
    if (!reply)
        return;
    RegexMatcher matcher;
    matcher.Create(patterns::kPromotedItems, *reply);
    PlatformState& platform = ctx.state.platform;
    for (int i = 1; i <= matcher.MatchCount(); ++i) {
        platform.adGroupIds.Set(i, matcher.SubMatchText(i, 1));
        platform.promotedItemIds.Set(i, matcher.SubMatchText(i, 2));
        ctx.ui.ComboInsertItem(WindowId::Main, platform_texts::kItemCombo, i - 1,
                               matcher.SubMatchText(i, 3));
        platform.promotedItemImagePaths.Set(i, matcher.SubMatchText(i, 4));
        ctx.ui.ProcessPendingEvents();
    }
}

} // namespace

void LoadPromotedItems(AppContext& ctx) {
    LoadGuard guard(ctx.state.platform.loading);
    if (!guard.Acquired())
        return;
    if (const auto campaign = ChooseCampaign(ctx))
        FillPromotedItems(ctx, *campaign);
}

void ReloadPromotedItems(AppContext& ctx) {
    LoadGuard guard(ctx.state.platform.loading);
    if (!guard.Acquired())
        return;
    const auto campaign = ChooseCampaign(ctx);
    if (!campaign)
        return;
    ctx.ui.ComboClear(WindowId::Main, platform_texts::kItemCombo);
    FillPromotedItems(ctx, *campaign);
}

} // namespace dalmiro
