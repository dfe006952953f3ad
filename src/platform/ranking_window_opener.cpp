#include "platform/ranking_window_opener.h"

#include "net/http.h"
#include "platform/keyword_list.h"
#include "platform/platform_texts.h"
#include "platform/platform_urls.h"
#include "platform/run_log.h"
#include "platform/selection.h"

namespace dalmiro {

namespace texts = platform_texts;

void OpenRankingWindow(AppContext& ctx) {
    if (ctx.state.platform.loading)
        return; // a load in progress finishes first
    const auto adGroup = ChooseAdGroup(ctx);
    if (!adGroup)
        return;
    Ui& ui = ctx.ui;
    const PlatformState& platform = ctx.state.platform;
    const int item = adGroup->index + 1;

    ui.SetText(
        WindowId::Main, texts::kRunLog,
        RunLogText(ui.ComboItemText(WindowId::Main, texts::kCampaignCombo, adGroup->campaign.index),
                   ui.ComboItemText(WindowId::Main, texts::kItemCombo, adGroup->index),
                   ui.ComboItemCount(WindowId::Main, texts::kItemCombo),
                   ItemPageUrl(ctx.hosts, platform.promotedItemIds.At(item))));

    ui.SetPictureScaled(WindowId::Main, texts::kItemPicture, true);
    ui.SetPicture(WindowId::Main, texts::kItemPicture,
                  HttpGet(ItemPictureUrl(ctx.hosts, platform.promotedItemImagePaths.At(item))));

    // Opening a closed window creates it, and its creation loads the keywords; an open window
    // only comes to the front, so its rows are loaded anew here.
    const bool wasOpen = ui.IsWindowOpen(WindowId::Analysis);
    ui.OpenWindow(WindowId::Analysis);
    if (wasOpen)
        ReloadKeywordList(ctx);
}

} // namespace dalmiro
