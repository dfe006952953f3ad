#include "platform/platform_handlers.h"

#include "platform/bid_update.h"
#include "platform/campaigns.h"
#include "platform/keyword_list.h"
#include "platform/login_token.h"
#include "platform/promoted_items.h"
#include "platform/ranking_window_opener.h"

namespace dalmiro {

// Every tab change fetches the page token again, whichever tab became current, so signing in on
// the first tab and switching away is what makes the token available.
void OnTabChanged(AppContext& context, const EventArgs&) {
    FetchLoginToken(context);
}

void OnGetCampaignsClicked(AppContext& context, const EventArgs&) {
    ReloadCampaigns(context);
}

void OnGetPromotedItemsClicked(AppContext& context, const EventArgs&) {
    ReloadPromotedItems(context);
}

void OnGetKeywordsClicked(AppContext& context, const EventArgs&) {
    OpenRankingWindow(context);
}

void OnAnalysisWindowCreated(AppContext& context, const EventArgs&) {
    LoadKeywordList(context);
}

void OnUpdateBidMenu(AppContext& context, const EventArgs&) {
    UpdateSelectedBid(context);
}

} // namespace dalmiro
