#include "platform/keyword_list.h"

#include "platform/back_office_reply.h"
#include "platform/bid_amount.h"
#include "platform/load_guard.h"
#include "platform/platform_texts.h"
#include "platform/platform_urls.h"
#include "platform/reply_patterns.h"
#include "platform/selection.h"
#include "util/numbers.h"
#include "util/regex_matcher.h"

namespace dalmiro {

namespace texts = platform_texts;

namespace {

void FillKeywordRows(AppContext& ctx, const ChosenAdGroup& adGroup) {
    const auto reply = FetchBackOfficeList(
        ctx, KeywordListUrl(ctx.hosts, adGroup.campaign.campaignId, adGroup.adGroupId));
    if (!reply)
        return;
    RegexMatcher matcher;
    matcher.Create(patterns::kKeywords, *reply);
    const int count = matcher.MatchCount();
    // Each load shows its own progress from an empty bar.
    ctx.ui.SetProgressMaximum(WindowId::Main, texts::kLoadProgress, count);
    ctx.ui.SetProgressPosition(WindowId::Main, texts::kLoadProgress, 0);
    for (int i = 1; i <= count; ++i) {
        const int row = ctx.ui.ListAppendRow(WindowId::Analysis, texts::kRankList);
        if (row < 0)
            return; // the window was closed meanwhile
        ctx.state.analysis.loadingRow = row;
        ctx.state.analysis.currentKeyword = matcher.SubMatchText(i, 1);
        const auto cell = [&](int column, const Text& text) {
            ctx.ui.SetListCellText(WindowId::Analysis, texts::kRankList, row, column, text);
        };
        cell(texts::kColumnNumber, std::to_string(i));
        cell(texts::kColumnKeyword, ctx.state.analysis.currentKeyword);
        cell(texts::kColumnBid, BidYuanText(TextToNumber(matcher.SubMatchText(i, 2))));
        cell(texts::kColumnKeywordId, matcher.SubMatchText(i, 3));
        ctx.ui.SetProgressPosition(WindowId::Main, texts::kLoadProgress, i);
        ctx.ui.ProcessPendingEvents();
    }
}

void Load(AppContext& ctx, bool replaceRows) {
    ctx.state.stopRequested = 0;
    LoadGuard guard(ctx.state.platform.loading);
    if (!guard.Acquired())
        return;
    const auto adGroup = ChooseAdGroup(ctx);
    if (!adGroup)
        return;
    if (replaceRows)
        ctx.ui.ListClear(WindowId::Analysis, texts::kRankList);
    FillKeywordRows(ctx, *adGroup);
}

} // namespace

void LoadKeywordList(AppContext& ctx) {
    Load(ctx, false);
}

void ReloadKeywordList(AppContext& ctx) {
    Load(ctx, true);
}

} // namespace dalmiro
