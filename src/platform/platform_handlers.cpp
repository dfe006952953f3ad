#include "platform/platform_handlers.h"

namespace dalmiro {

void OnTabChanged(AppContext&, const EventArgs&) {}

void OnGetCampaignsClicked(AppContext&, const EventArgs&) {}

void OnGetPromotedItemsClicked(AppContext&, const EventArgs&) {}

void OnGetKeywordsClicked(AppContext&, const EventArgs&) {}

void OnAnalysisWindowCreated(AppContext&, const EventArgs&) {}

void OnUpdateBidMenu(AppContext&, const EventArgs&) {}

} // namespace dalmiro
