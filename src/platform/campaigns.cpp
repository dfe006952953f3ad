#include "platform/campaigns.h"

#include "platform/back_office_reply.h"
#include "platform/load_guard.h"
#include "platform/platform_texts.h"
#include "platform/platform_urls.h"
#include "platform/reply_patterns.h"
#include "util/regex_matcher.h"

#include <charconv>

namespace dalmiro {

namespace {

// The id as the 64-bit number the campaign table holds; the pattern gives only digits. An id
// too long even for 64 bits (none is) is kept as 0 rather than as a different campaign's id.
long long CampaignIdFromDigits(std::string_view digits) {
    long long id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    return error == std::errc{} && end == digits.data() + digits.size() ? id : 0;
}

void FillCampaigns(AppContext& ctx) {
    const auto reply = FetchBackOfficeList(ctx, CampaignListUrl(ctx.hosts));
    if (!reply)
        return;
    RegexMatcher matcher;
    matcher.Create(patterns::kCampaigns, *reply);
    for (int i = 1; i <= matcher.MatchCount(); ++i) {
        ctx.ui.ComboInsertItem(WindowId::Main, platform_texts::kCampaignCombo, i - 1,
                               matcher.SubMatchText(i, 2));
        ctx.state.platform.campaignIds.Set(i, CampaignIdFromDigits(matcher.SubMatchText(i, 1)));
        ctx.ui.ProcessPendingEvents();
    }
}

} // namespace

void LoadCampaigns(AppContext& ctx) {
    LoadGuard guard(ctx.state.platform.loading);
    if (guard.Acquired())
        FillCampaigns(ctx);
}

void ReloadCampaigns(AppContext& ctx) {
    LoadGuard guard(ctx.state.platform.loading);
    if (!guard.Acquired())
        return;
    ctx.ui.ComboClear(WindowId::Main, platform_texts::kCampaignCombo);
    FillCampaigns(ctx);
}

} // namespace dalmiro
